// One class for each way a run can end.

#include <cctype>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "quillory/plugin.h"

namespace {

const char* Name(const QuilloryPluginObject*) { return "Upper case"; }
const char* NoName(const QuilloryPluginObject*) { return nullptr; }

// The text in capitals, then the selection it was given.
int Upper(const QuilloryPluginObject*, const QuilloryRunCall* call) {
  std::string text(call->text, call->text_length);
  for (char& c : text) c = static_cast<char>(std::toupper(c));
  text += "@" + std::to_string(call->sel_start) + "-" +
          std::to_string(call->sel_end);
  return call->set_result(call->host, text.data(), text.size());
}
int Refuse(const QuilloryPluginObject*, const QuilloryRunCall*) { return 0; }
int Broken(const QuilloryPluginObject*, const QuilloryRunCall* call) {
  call->set_error(call->host, "broken on purpose");
  return 1;
}
int Throws(const QuilloryPluginObject*, const QuilloryRunCall*) {
  throw std::runtime_error("thrown on purpose");
}
int NoResult(const QuilloryPluginObject*, const QuilloryRunCall*) { return 1; }
int NullResult(const QuilloryPluginObject*, const QuilloryRunCall* call) {
  call->set_result(call->host, nullptr, 5);
  return 1;
}
int Huge(const QuilloryPluginObject*, const QuilloryRunCall* call) {
  call->set_result(call->host, call->text, SIZE_MAX);
  return 1;
}

struct Class {
  const char* name;
  QuilloryPluginObject object;
};
constexpr uint32_t kAbi = QUILLORY_PLUGIN_ABI_VERSION;
const Class kClasses[] = {
    {"Upper.Data", {kAbi, &Name, &Upper}},
    {"Refuse.Data", {kAbi, &Name, &Refuse}},
    {"Broken.Data", {kAbi, &Name, &Broken}},
    {"Throws.Data", {kAbi, &Name, &Throws}},
    {"NoResult.Data", {kAbi, &Name, &NoResult}},
    {"NullResult.Data", {kAbi, &Name, &NullResult}},
    {"Huge.Data", {kAbi, &Name, &Huge}},
    {"Nameless.Data", {kAbi, &NoName, &Upper}},
    {"Future.Data", {kAbi + 1, &Name, &Upper}},
};

}  // namespace

extern "C" const QuilloryPluginObject* QuilloryCreateObject(const char* name) {
  for (const Class& c : kClasses) {
    if (std::strcmp(c.name, name) == 0) return &c.object;
  }
  return nullptr;
}
