#pragma once

namespace quillory::bench {

// Runs the benchmarks of a program that needs a QApplication. Without a
// chosen platform it paints offscreen, so it runs on a machine without a
// display. `register_all` adds benchmarks that need the application first.
int RunQtBenchmarks(int argc, char** argv, void (*register_all)() = nullptr);

}  // namespace quillory::bench
