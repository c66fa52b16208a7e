#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillory::bench {

// The pages the folder QUILLORY_BENCH_PAGES names, so the benchmarks can
// measure real pages instead of the generated corpus: every .html, .htm,
// .php, .css and .js file under it at any depth, the folders directly
// under it spread evenly through the list, each in path order. Listed
// once; null when the variable is unset. Says on stderr, once, which
// corpus the run uses; stops the program when the folder holds no page.
const std::vector<std::filesystem::path>* BenchPages();

// `pages` joined in order, repeated until `size` bytes, then cut after the
// first line end at or after that, so a line is never split.
std::string PageCorpus(const std::vector<std::filesystem::path>& pages,
                       size_t size);

// About `size` bytes of `text` in twenty pieces from evenly spaced places,
// each from a line start through a line end, so that a small corpus holds
// the same mix as the large one it is taken from and the two compare like
// with like.
std::string SampleOf(std::string_view text, size_t size);

}  // namespace quillory::bench
