#pragma once

#include <string>

#include "platform/freedesktop_files.h"

namespace quillory {

// Tells the desktop which file types, by MIME type, the program opens.
class FileTypes {
 public:
  virtual ~FileTypes() = default;

  // Failures leave the registration partial, without a message.
  virtual void RegisterFileType(const std::string& mime_type,
                                Registration registration,
                                Association association) = 0;
  virtual bool IsFileTypeRegistered(const std::string& mime_type,
                                    Association association) = 0;
};

}  // namespace quillory
