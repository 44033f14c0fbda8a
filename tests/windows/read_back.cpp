#include "read_back.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdlib>
#include <iostream>

namespace climate::test_support {

namespace {

// Winsock, started once for the test program.
bool StartSockets() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

std::vector<std::string> Lines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

}  // namespace

std::vector<std::string> ReadBackThroughService(const std::filesystem::path &file) {
  const char *port = std::getenv("AERVIK_READER_PORT");
  if (!port || !*port) {
    std::cerr << "no workbook reader: AERVIK_READER_PORT is not set "
                 "(scripts/windows-core.sh starts the reader)\n";
    return {};
  }
  if (!StartSockets()) {
    std::cerr << "no workbook reader: Winsock did not start\n";
    return {};
  }
  const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return {};
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(std::atoi(port)));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string reply;
  if (connect(s, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
    // The absolute file name in UTF-8 on one line; the reply is the reader's output.
    const std::u8string name = std::filesystem::absolute(file).u8string();
    const std::string request = std::string(name.begin(), name.end()) + "\n";
    if (send(s, request.data(), static_cast<int>(request.size()), 0) ==
        static_cast<int>(request.size())) {
      shutdown(s, SD_SEND);
      char buffer[4096];
      for (int n; (n = recv(s, buffer, sizeof buffer, 0)) > 0;) reply.append(buffer, n);
    }
  } else {
    std::cerr << "no workbook reader at port " << port << ": error " << WSAGetLastError() << "\n";
  }
  closesocket(s);
  return Lines(reply);
}

}  // namespace climate::test_support
