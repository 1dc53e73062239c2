// The floor of a whole run: reads the files given on the command line into memory, then writes
// them to fresh files (FILE.copy) in 64 KiB pieces and prints the CPU seconds (user + system)
// that the writing took. Usage: write_from_memory FILE...
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<std::string> contents;
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    contents.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  const double start = cpuSeconds();
  for (int i = 1; i < argc; ++i) {
    const std::string copy = std::string(argv[i]) + ".copy";
    const int fd = open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0) return 1;
    const std::string& bytes = contents[static_cast<std::size_t>(i - 1)];
    for (std::size_t at = 0; at < bytes.size(); at += 1 << 16) {
      const std::size_t size = std::min<std::size_t>(1 << 16, bytes.size() - at);
      if (write(fd, bytes.data() + at, size) != static_cast<ssize_t>(size)) return 1;
    }
    close(fd);
  }
  std::printf("%.3f\n", cpuSeconds() - start);
  return 0;
}
