#pragma once

#include <string>
#include <sys/types.h>

// Xlib's Display, without Xlib's macros (None, Bool, Status) that would rewrite other names.
struct _XDisplay;

// Xvfb on a display number it picks itself (so parallel tests never share one), for as long as
// the object lives, with no window manager; display() is null when there is no Xvfb on this
// machine.
class VirtualXServer final {
public:
    explicit VirtualXServer(const std::string& screen = "1280x800x24");
    ~VirtualXServer();
    VirtualXServer(const VirtualXServer&) = delete;
    VirtualXServer& operator=(const VirtualXServer&) = delete;

    _XDisplay* display() const { return m_display; }
    const std::string& name() const { return m_name; }

private:
    pid_t m_pid = -1;
    std::string m_name;
    _XDisplay* m_display = nullptr;
};
