#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillory {

// What a launch became once it looked for a running instance.
enum class InstanceRole {
  kHandedOver,  // the running instance took the files: this launch ends
  kServing,     // this instance takes the files of later launches
  kAlone,       // neither could be done: a window of its own, reason told
};

// The way a second launch hands its files to the instance already running
// for the same user, so one window holds every document. No other user
// can reach it. Nothing here waits more than a few seconds.
class InstanceChannel {
 public:
  using Receiver = std::function<void(const std::vector<std::string>&)>;

  virtual ~InstanceChannel() = default;

  // Hands `paths` (absolute; none only brings the window forward) to the
  // running instance; false when none took them. Needs no event loop, so a
  // second launch can end before building anything.
  virtual bool HandOver(const std::vector<std::string>& paths) = 0;
  // With the event loop's application built: serves later launches, or
  // hands over to an instance that started meanwhile.
  virtual InstanceRole Claim(const std::vector<std::string>& paths) = 0;
  // Where the files of later launches go, once the event loop runs.
  virtual void SetReceiver(Receiver receiver) = 0;
  // No more requests are taken, so a launch while this instance closes
  // opens a window of its own instead of handing its files to nobody.
  virtual void Stop() = 0;
};

}  // namespace quillory
