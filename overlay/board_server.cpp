#include "overlay/board_server.h"

#include <civetweb.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <mutex>
#include <string_view>
#include <vector>

#include "overlay/board_json.h"
#include "overlay/overlay_page.h"
#include "overlay/published_board.h"
#include "overlay/remote_clicks.h"

namespace {

constexpr std::string_view kClickPrefix = "/click/";

struct Status {
  int code;
  std::string_view reason;
};
constexpr Status kOk{200, "OK"};
constexpr Status kNoContent{204, "No Content"};
constexpr Status kUnauthorized{401, "Unauthorized"};
constexpr Status kForbidden{403, "Forbidden"};
constexpr Status kNotFound{404, "Not Found"};
constexpr Status kMethodNotAllowed{405, "Method Not Allowed"};
constexpr Status kConflict{409, "Conflict"};
constexpr Status kTooLarge{413, "Payload Too Large"};
constexpr Status kUnavailable{503, "Service Unavailable"};

bool WriteAll(mg_connection* connection, std::string_view bytes) {
  return bytes.empty() ||
         mg_write(connection, bytes.data(), bytes.size()) == static_cast<int>(bytes.size());
}

// One whole answer. Never a header that lets another origin read it.
int Answer(mg_connection* connection, Status status, std::string_view type, std::string_view body,
           std::string_view extra_headers = {}) {
  std::string head = "HTTP/1.1 " + std::to_string(status.code) + " " + std::string(status.reason) +
                     "\r\nCache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n"
                     "Connection: close\r\n";
  if (status.code != kNoContent.code) {
    head += "Content-Type: " + std::string(type) +
            "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n";
  }
  head += extra_headers;
  head += "\r\n";
  WriteAll(connection, head);
  if (status.code != kNoContent.code)
    WriteAll(connection, body);
  return status.code;
}

int Refuse(mg_connection* connection, Status status, std::string_view why,
           std::string_view extra_headers = {}) {
  return Answer(connection, status, "text/plain; charset=utf-8", std::string(why) + "\n",
                extra_headers);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// Compares every byte whatever differs first, so the time taken tells nothing of the token.
bool SameSecret(std::string_view given, std::string_view secret) {
  unsigned difference = given.size() == secret.size() ? 0u : 1u;
  for (std::size_t i = 0; i < secret.size(); ++i) {
    const char g = i < given.size() ? given[i] : '\0';
    difference |= static_cast<unsigned char>(g ^ secret[i]);
  }
  return difference == 0;
}

}  // namespace

struct BoardServer::State {
  ServerSetup setup;
  const PublishedBoard* board = nullptr;
  RemoteClicks* clicks = nullptr;
  // The Host values a request may carry, lower case; written before `ready`.
  std::vector<std::string> hosts;
  std::atomic<bool> ready{false};
  std::atomic<bool> clicks_on{false};
  std::atomic<int> streams{0};
  mg_context* context = nullptr;

  int Serve(mg_connection* connection);
  int ServeEvents(mg_connection* connection);
  int ServeClick(mg_connection* connection, std::string_view name);
  // Reads a click's body up to the limit; false when it is larger.
  bool BodyFits(mg_connection* connection) const;
};

int BoardServer::State::Serve(mg_connection* connection) {
  if (!ready.load(std::memory_order_acquire))
    return Refuse(connection, kUnavailable, "starting");
  const mg_request_info* request = mg_get_request_info(connection);
  // A page elsewhere that rebinds its own name to this address still sends its own name.
  const char* host = mg_get_header(connection, "Host");
  if (host == nullptr || std::find(hosts.begin(), hosts.end(), Lower(host)) == hosts.end())
    return Refuse(connection, kForbidden, "this server answers only to its own address");
  const char* raw = request->local_uri_raw != nullptr ? request->local_uri_raw : request->local_uri;
  const std::string_view path = raw != nullptr ? raw : "";
  const std::string_view method = request->request_method != nullptr ? request->request_method : "";
  if (path == "/" || path == "/board.json" || path == "/events") {
    if (method != "GET")
      return Refuse(connection, kMethodNotAllowed, "only GET", "Allow: GET\r\n");
    if (path == "/events")
      return ServeEvents(connection);
    if (path == "/")
      return Answer(connection, kOk, "text/html; charset=utf-8", OverlayPageHtml());
    const auto snapshot = board->Latest();
    return Answer(connection, kOk, "application/json; charset=utf-8",
                  snapshot ? BoardJson(snapshot->values) : std::string("{}\n"));
  }
  if (path.substr(0, kClickPrefix.size()) == kClickPrefix) {
    if (method != "POST")
      return Refuse(connection, kMethodNotAllowed, "only POST", "Allow: POST\r\n");
    return ServeClick(connection, path.substr(kClickPrefix.size()));
  }
  return Refuse(connection, kNotFound, "no such page");
}

bool BoardServer::State::BodyFits(mg_connection* connection) const {
  const auto limit = static_cast<long long>(setup.limits.max_click_body_bytes);
  const long long announced = mg_get_request_info(connection)->content_length;
  if (announced > limit)
    return false;
  if (announced == 0 ||
      (announced < 0 && mg_get_header(connection, "Transfer-Encoding") == nullptr))
    return true;
  // Read what came (a chunked body has no length up front), never more than the limit.
  char buffer[512];
  long long read = 0;
  for (;;) {
    const int got = mg_read(connection, buffer, sizeof buffer);
    if (got <= 0)
      return true;
    read += got;
    if (read > limit)
      return false;
  }
}

int BoardServer::State::ServeClick(mg_connection* connection, std::string_view name) {
  const char* authorization = mg_get_header(connection, "Authorization");
  constexpr std::string_view kBearer = "Bearer ";
  const std::string_view given = authorization != nullptr ? authorization : "";
  if (!clicks_on.load())
    return Refuse(connection, kUnauthorized,
                  "clicks are off: the token has no records folder to be written to");
  if (given.substr(0, kBearer.size()) != kBearer ||
      !SameSecret(given.substr(kBearer.size()), *setup.token)) {
    return Refuse(connection, kUnauthorized, "a click needs Authorization: Bearer TOKEN",
                  "WWW-Authenticate: Bearer\r\n");
  }
  if (!BodyFits(connection))
    return Refuse(connection, kTooLarge, "a click carries no body");
  const ClickTarget target = FindClickTarget(name);
  if (target.control == 0)
    return Refuse(connection, kNotFound, "no control has this name");
  if (!target.acts)
    return Refuse(connection, kConflict, "a click does nothing to this control");
  switch (clicks->Click(target.control, setup.limits.click_deadline)) {
    case ClickOutcome::kDone:
      return Answer(connection, kNoContent, {}, {});
    case ClickOutcome::kNotNow:
      return Refuse(connection, kConflict,
                    "the host cannot click it now (disabled, hidden, or a message box is open)");
    case ClickOutcome::kNotStarted:
      return Refuse(connection, kUnavailable, "the board was busy; the click was not made");
    case ClickOutcome::kClosed:
      break;
  }
  return Refuse(connection, kUnavailable, "the board is closing; the click was not made");
}

int BoardServer::State::ServeEvents(mg_connection* connection) {
  if (streams.fetch_add(1) >= setup.limits.event_streams) {
    streams.fetch_sub(1);
    return Refuse(connection, kUnavailable, "too many event streams");
  }
  struct Leave {
    std::atomic<int>& streams;
    ~Leave() { streams.fetch_sub(1); }
  } leave{streams};
  if (!WriteAll(connection,
                "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream; charset=utf-8\r\n"
                "Cache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\n"
                "Connection: close\r\n\r\n")) {
    return kOk.code;
  }
  uint64_t sent = 0;
  auto snapshot = board->Latest();
  // A client that stopped reading fails a write within the request timeout, and a
  // vanished one at the next keep-alive comment: either ends the stream.
  while (!board->closed()) {
    std::string message;
    if (snapshot && snapshot->version > sent) {
      std::string json = BoardJson(snapshot->values);
      if (!json.empty() && json.back() == '\n')
        json.pop_back();
      message = "data: " + json + "\n\n";
      sent = snapshot->version;
    } else {
      message = ": keep-alive\n\n";
    }
    if (!WriteAll(connection, message))
      break;
    snapshot = board->WaitNewerThan(sent, setup.limits.keep_alive_every);
  }
  return kOk.code;
}

int BoardServer::event_streams_open() const {
  return state_->streams.load();
}

std::unique_ptr<BoardServer> BoardServer::Start(const ServerSetup& setup,
                                                const PublishedBoard& board, RemoteClicks* clicks,
                                                std::string& error) {
  static std::once_flag library;
  std::call_once(library, [] { mg_init_library(0); });

  std::unique_ptr<BoardServer> server(new BoardServer());
  server->state_ = std::make_unique<State>();
  State& state = *server->state_;
  state.setup = setup;
  state.board = &board;
  state.clicks = clicks;
  state.clicks_on = setup.token.has_value() && clicks != nullptr;

  const ServerLimits& limits = setup.limits;
  const std::string listening = setup.address.host + ":" + std::to_string(setup.address.port);
  const std::string threads = std::to_string(limits.threads);
  const std::string timeout = std::to_string(limits.request_timeout_ms);
  const std::string request_size = std::to_string(limits.max_request_bytes);
  const std::string backlog = std::to_string(limits.listen_backlog);
  const std::string queue = std::to_string(limits.connection_queue);
  const char* options[] = {"listening_ports",
                           listening.c_str(),
                           "num_threads",
                           threads.c_str(),
                           "request_timeout_ms",
                           timeout.c_str(),
                           "max_request_size",
                           request_size.c_str(),
                           "listen_backlog",
                           backlog.c_str(),
                           "connection_queue",
                           queue.c_str(),
                           "enable_keep_alive",
                           "no",
                           nullptr};
  mg_callbacks callbacks{};
  callbacks.begin_request = [](mg_connection* connection) {
    auto* self = static_cast<State*>(mg_get_user_data(mg_get_context(connection)));
    return self->Serve(connection);
  };
  // The library's own complaints (a client that went away) are no business of the host.
  callbacks.log_message = [](const mg_connection*, const char*) { return 1; };
  mg_init_data init{};
  init.callbacks = &callbacks;
  init.user_data = &state;
  init.configuration_options = options;
  char text[256] = "";
  // Only the text is asked for: the code changed its type from 1.15 (a pointer) to 1.16
  // (a number), and the fields are named so that either release's layout builds.
  mg_error_data failure{};
  failure.text = text;
  failure.text_buffer_size = sizeof text;
  state.context = mg_start2(&init, &failure);
  if (state.context == nullptr) {
    error = "the server cannot listen on " + listening + (text[0] != '\0' ? ": " : "") + text;
    return nullptr;
  }
  mg_server_port bound{};
  if (mg_get_server_ports(state.context, 1, &bound) < 1 || bound.port <= 0) {
    error = "the server cannot tell its port on " + listening;
    return nullptr;  // the destructor stops what started
  }
  server->port_ = static_cast<uint16_t>(bound.port);
  const std::string port = std::to_string(server->port_);
  state.hosts = {Lower(setup.address.host) + ":" + port, "localhost:" + port};
  if (setup.address.host == "0.0.0.0")
    state.hosts.push_back("127.0.0.1:" + port);
  state.ready.store(true, std::memory_order_release);
  return server;
}

BoardServer::~BoardServer() {
  if (state_ != nullptr && state_->context != nullptr)
    mg_stop(state_->context);
}

void BoardServer::TurnClicksOff() {
  state_->clicks_on.store(false);
}

std::string BoardServer::url() const {
  const std::string& host = state_->setup.address.host;
  return "http://" + (host == "0.0.0.0" ? std::string("127.0.0.1") : host) + ":" +
         std::to_string(port_) + "/";
}
