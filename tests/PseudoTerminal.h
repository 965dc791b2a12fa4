#pragma once

// A pseudo-terminal standing in for a serial line: the device side (the slave, /dev/pts/N)
// is the port a program opens; the test is the peer on the other end (the master).

#include <chrono>
#include <string>
#include <string_view>

class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // The device path; empty when no pseudo-terminal could be made.
    const std::string& Device() const { return m_device; }
    // The peer's end.
    int Peer() const { return m_master; }
    // Writes every byte, waiting while the line's buffer is full.
    void Write(std::string_view bytes) const;
    // Ends the line: the device disappears.
    void Close();

private:
    int m_master = -1;
    int m_keepOpen = -1; // the device held open, so that the line survives its users
    std::string m_device;
};
