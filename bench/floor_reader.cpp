// vellmaster-floor aircraft|flights FOLDER: what any program must spend to
// read the files that the start-up or the content list reads, each once.
//   aircraft: lists FOLDER and reads the aircraft.cfg of each sub-folder
//             (FOLDER: the simulator's Aircraft folder);
//   flights:  lists FOLDER and reads each of its .FLT and .PLN files.
// The leanest way there is: the system's own calls, one buffer for every
// file, the count of bytes printed so that no read can be left out. Timed
// as a whole process beside the program, it is the floor of the program's
// figure (POSIX only).
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::size_t readOnce(const std::string& path, std::vector<char>& buffer) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return 0;
    std::size_t total = 0;
    ssize_t n = 0;
    while ((n = ::read(file, buffer.data(), buffer.size())) > 0)
        total += static_cast<std::size_t>(n);
    ::close(file);
    return total;
}

bool endsWith(const char* name, const char* end) {
    const std::size_t a = std::strlen(name);
    const std::size_t b = std::strlen(end);
    return a >= b && std::strcmp(name + a - b, end) == 0;
}

bool isFlightFile(const char* name) {
    return endsWith(name, ".FLT") || endsWith(name, ".flt") || endsWith(name, ".PLN") ||
           endsWith(name, ".pln");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc == 3 ? argv[1] : "";
    if (kind != "aircraft" && kind != "flights") {
        std::fprintf(stderr, "usage: vellmaster-floor aircraft|flights FOLDER\n");
        return 2;
    }
    DIR* folder = ::opendir(argv[2]);
    if (folder == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    const std::string prefix = std::string(argv[2]) + "/";
    std::vector<char> buffer(1 << 17);
    std::size_t bytes = 0;
    std::size_t files = 0;
    while (const dirent* entry = ::readdir(folder)) {
        if (entry->d_name[0] == '.') continue;
        std::size_t n = 0;
        if (kind == "aircraft" && entry->d_type == DT_DIR)
            n = readOnce(prefix + entry->d_name + "/aircraft.cfg", buffer);
        else if (kind == "flights" && entry->d_type == DT_REG && isFlightFile(entry->d_name))
            n = readOnce(prefix + entry->d_name, buffer);
        files += n > 0;
        bytes += n;
    }
    ::closedir(folder);
    std::printf("%zu files, %zu bytes\n", files, bytes);
    return 0;
}
