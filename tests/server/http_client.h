#pragma once
// A bare HTTP client over POSIX sockets for the server tests: it sends exactly the bytes
// a test writes, malformed ones included, and reads the answer until the server closes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>

// A connected socket to 127.0.0.1:port; -1 on failure.
inline int ConnectTo(uint16_t port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0)
    return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

inline bool SendAll(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0)
      return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

// Reads until `done(received)` says enough, the peer closes, or the deadline passes.
template <typename Done>
std::string ReadUntil(int fd, std::chrono::milliseconds deadline, Done done) {
  std::string received;
  const auto until = std::chrono::steady_clock::now() + deadline;
  while (!done(received)) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    if (left.count() <= 0)
      break;
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, static_cast<int>(left.count())) <= 0)
      break;
    char buffer[4096];
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0)
      break;
    received.append(buffer, static_cast<std::size_t>(n));
  }
  return received;
}

// One whole exchange: the request as written, the answer until the server closes.
inline std::string Exchange(uint16_t port, const std::string& request,
                            std::chrono::milliseconds deadline = std::chrono::seconds(30)) {
  const int fd = ConnectTo(port);
  if (fd < 0)
    return "(no connection)";
  std::string answer;
  if (SendAll(fd, request))
    answer = ReadUntil(fd, deadline, [](const std::string&) { return false; });
  close(fd);
  return answer;
}

// The status code of an answer; 0 when it has none.
inline int StatusOf(const std::string& answer) {
  if (answer.compare(0, 9, "HTTP/1.1 ") != 0 && answer.compare(0, 9, "HTTP/1.0 ") != 0)
    return 0;
  return std::atoi(answer.c_str() + 9);
}

inline std::string BodyOf(const std::string& answer) {
  const std::size_t end = answer.find("\r\n\r\n");
  return end == std::string::npos ? std::string() : answer.substr(end + 4);
}
