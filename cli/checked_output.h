#pragma once

#include <streambuf>
#include <string>

// Standard output with every write checked.
namespace cli {

// The first failed write is kept with the system's reason and the stream goes
// bad from then on. A closed pipe ends the program by SIGPIPE before that,
// unless the signal is ignored.
class CheckedOutput : public std::streambuf {
public:
    CheckedOutput() { setp(m_buffer, m_buffer + sizeof m_buffer); }
    bool failed() const { return !m_failure.empty(); }
    const std::string& failure() const { return m_failure; }

protected:
    int overflow(int c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain();
    bool writeAll(const char* data, std::size_t size);

    char m_buffer[65536];
    std::string m_failure;
};

}  // namespace cli
