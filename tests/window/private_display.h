#pragma once
// An Xvfb of the test's own, answering once it takes clients; gone with the object. The
// server picks a free display number itself (-displayfd), so tests starting at once, or
// displays of other users of the machine, never share one; its output goes nowhere, so
// that a server left behind never holds the test's output open (ctest would wait for its
// end until the timeout).
#include <sys/types.h>

#include <string>

class PrivateDisplay {
 public:
  // `screen` as WIDTHxHEIGHTxDEPTH; `extra` one more argument for the server ("" for none).
  explicit PrivateDisplay(const std::string& screen, const std::string& extra = "");
  ~PrivateDisplay();
  PrivateDisplay(const PrivateDisplay&) = delete;
  PrivateDisplay& operator=(const PrivateDisplay&) = delete;
  // ":N", or empty when the server did not start.
  const std::string& name() const { return name_; }
  // Points the programs the test starts from now on at this server, at scale 1 whatever
  // the developer's session asks (SCOREBOARD_SCALE, GDK_SCALE): the tests' places and
  // pictures are the unscaled ones. A fresh server holds no X resources, so no Xft.dpi.
  void ServeChildrenAtScaleOne() const;

 private:
  pid_t pid_ = -1;
  std::string name_;
};
