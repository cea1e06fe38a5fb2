#pragma once
// The local server: the overlay page, board.json and its live stream for the streaming
// software, and clicks from a stream deck or a script. Its threads read only the
// published board and hand clicks to RemoteClicks; they never touch the control model.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "shell/program_switches.h"

class PublishedBoard;
class RemoteClicks;

// What one bad client can take. Every limit is named in the README.
struct ServerLimits {
  int threads = 32;                 // requests served at once (event streams included)
  int event_streams = 8;            // simultaneous /events; more answer 503
  int request_timeout_ms = 2000;    // a read or write that waits longer ends its connection
  int max_request_bytes = 8192;     // request line and headers together
  int max_click_body_bytes = 1024;  // a click's body (it needs none); more answers 413
  int listen_backlog = 64;          // connections the system holds before they are served
  int connection_queue = 64;        // accepted connections waiting for a thread
  std::chrono::milliseconds keep_alive_every{15000};  // a comment on a quiet event stream
  std::chrono::milliseconds click_deadline{5000};     // then 503, and the click never runs
};

struct ServerSetup {
  ServeAddress address;
  // The bearer token for clicks (hex); nullopt: clicks are off (every click answers 401).
  std::optional<std::string> token;
  ServerLimits limits;
};

class BoardServer {
 public:
  // Listening when it answers non-null; otherwise `error` says why (UTF-8). `clicks`
  // may be null (clicks off). Both must outlive the server.
  static std::unique_ptr<BoardServer> Start(const ServerSetup& setup, const PublishedBoard& board,
                                            RemoteClicks* clicks, std::string& error);
  // Close the board first (event streams end) and the clicks (waiting clicks answer),
  // then this joins every thread.
  ~BoardServer();
  BoardServer(const BoardServer&) = delete;
  BoardServer& operator=(const BoardServer&) = delete;

  uint16_t port() const { return port_; }
  // From now on every click answers 401 (the token could not be handed to the host).
  void TurnClicksOff();
  // http://ADDRESS:PORT/
  std::string url() const;

 private:
  struct State;
  BoardServer() = default;
  std::unique_ptr<State> state_;
  uint16_t port_ = 0;
};
