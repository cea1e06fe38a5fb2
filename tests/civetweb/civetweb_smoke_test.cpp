// The HTTP server library as each build links it (Debian's shared library on Linux, the
// static one cross-built from Debian's source package for Windows): it starts on a free
// loopback port, answers through a request handler, and stops.
#include <civetweb.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using Socket = SOCKET;
constexpr Socket kNoSocket = INVALID_SOCKET;
void CloseSocket(Socket socket) {
  closesocket(socket);
}
#else
using Socket = int;
constexpr Socket kNoSocket = -1;
void CloseSocket(Socket socket) {
  close(socket);
}
#endif

std::atomic<int> handler_calls{0};

int AnswerOk(mg_connection* connection, void*) {
  ++handler_calls;
  mg_send_http_ok(connection, "text/plain", 2);
  mg_write(connection, "ok", 2);
  return 200;
}

// Sends REQUEST to 127.0.0.1:PORT and returns everything the server sends until it
// closes the connection; each wait for data gives up after 10 s, so a server that
// never answers fails the test instead of hanging it.
std::string Exchange(int port, const std::string& request) {
  Socket socket_fd = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (socket_fd == kNoSocket)
    return "socket() failed";
#ifdef _WIN32
  DWORD timeout_ms = 10000;
  setsockopt(socket_fd, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout_ms),
             sizeof timeout_ms);
#else
  timeval timeout{10, 0};
  setsockopt(socket_fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
#endif
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<unsigned short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    CloseSocket(socket_fd);
    return "connect() failed";
  }
  ::send(socket_fd, request.data(), static_cast<int>(request.size()), 0);
  std::string answer;
  char buffer[4096];
  for (;;) {
    auto got = ::recv(socket_fd, buffer, static_cast<int>(sizeof buffer), 0);
    if (got <= 0)
      break;
    answer.append(buffer, static_cast<std::size_t>(got));
  }
  CloseSocket(socket_fd);
  return answer;
}

std::string Body(const std::string& answer) {
  auto end_of_head = answer.find("\r\n\r\n");
  return end_of_head == std::string::npos ? "" : answer.substr(end_of_head + 4);
}

class CivetwebSmoke : public testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    WSADATA winsock;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &winsock), 0);
#endif
    mg_init_library(0);
  }
  void TearDown() override {
    mg_exit_library();
#ifdef _WIN32
    WSACleanup();
#endif
  }
};

TEST_F(CivetwebSmoke, ServesAHandlerOnAFreeLoopbackPortAndStops) {
  const char* options[] = {"listening_ports", "127.0.0.1:0", "num_threads", "2", nullptr};
  mg_callbacks callbacks{};
  mg_context* server = mg_start(&callbacks, nullptr, options);
  ASSERT_NE(server, nullptr) << "mg_start refused 127.0.0.1:0";
  mg_set_request_handler(server, "/ok", AnswerOk, nullptr);

  mg_server_port ports[4]{};
  ASSERT_EQ(mg_get_server_ports(server, 4, ports), 1);
  const int port = ports[0].port;
  EXPECT_GT(port, 0) << "port 0 was not replaced by the port the system chose";

  struct Case {
    const char* request;
    const char* status_line;
    const char* body;
    int handler_calls;
  };
  const std::vector<Case> cases = {
      {"GET /ok HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n", "HTTP/1.1 200 OK", "ok",
       1},
      // Nothing but the handlers answers: no file is served.
      {"GET /other HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n",
       "HTTP/1.1 404 Not Found", nullptr, 0},
  };
  for (const auto& each : cases) {
    SCOPED_TRACE(each.request);
    handler_calls = 0;
    const std::string answer = Exchange(port, each.request);
    EXPECT_EQ(answer.substr(0, answer.find("\r\n")), each.status_line) << answer;
    if (each.body != nullptr) {
      EXPECT_EQ(Body(answer), each.body) << answer;
    }
    EXPECT_EQ(handler_calls.load(), each.handler_calls);
  }

  mg_stop(server);
  // Stopped means closed: nothing listens on the port any more.
  EXPECT_EQ(Exchange(port, "GET /ok HTTP/1.1\r\n\r\n"), "connect() failed");
}

}  // namespace
