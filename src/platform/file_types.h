#pragma once

#include <string>

#include "platform/freedesktop_files.h"

namespace quillory {

// Tells the desktop which file types the program opens. Extensions are
// written with their dot, in any letter case.
class FileTypes {
 public:
  virtual ~FileTypes() = default;

  // Failures leave the registration partial, without a message.
  virtual void RegisterFileType(const std::string& extension,
                                Registration registration,
                                Association association) = 0;
  virtual bool IsFileTypeRegistered(const std::string& extension,
                                    Association association) = 0;
};

}  // namespace quillory
