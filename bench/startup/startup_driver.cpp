// Starts two programs alternately, again and again, and compares how long each takes from
// being spawned to its first painted frame, and how much memory it holds at its peak.
//
//   startup_driver [--runs N] PROGRAM BASELINE
//
// Each program prints "painted" on its standard output once its window is on the screen and
// then ends. Runs alternate ABBA so that a drift of the machine's load spreads evenly; one
// warm-up run of each fills the page cache first. The Qt platform is whatever the
// environment says (QT_QPA_PLATFORM).
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds = 0;
    double peakRssMiB = 0;
};

constexpr int kTimeoutMilliseconds = 30000;

// One start of the program: spawn, wait for its "painted" line, reap it.
std::optional<Sample> RunOnce(const char* path) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return std::nullopt;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    // Qt's warnings would interleave with the report; a failed run is reported below.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    char* const argv[] = {const_cast<char*>(path), nullptr};
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        std::fprintf(stderr, "startup_driver: cannot start %s: %s\n", path, std::strerror(spawned));
        return std::nullopt;
    }

    std::string output;
    std::optional<std::chrono::steady_clock::time_point> painted;
    while (!painted) {
        pollfd watch{pipeFds[0], POLLIN, 0};
        if (poll(&watch, 1, kTimeoutMilliseconds) <= 0) break;
        char buffer[256];
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer);
        if (got <= 0) break;
        output.append(buffer, static_cast<std::size_t>(got));
        if (output.find("painted\n") != std::string::npos)
            painted = std::chrono::steady_clock::now();
    }
    close(pipeFds[0]);
    if (!painted) kill(pid, SIGKILL);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!painted) {
        std::fprintf(stderr,
                     "startup_driver: %s never reported a painted window (status %d); run it by "
                     "hand to see why\n",
                     path, status);
        return std::nullopt;
    }
    return Sample{std::chrono::duration<double, std::milli>(*painted - start).count(),
                  static_cast<double>(usage.ru_maxrss) / 1024.0};  // ru_maxrss is in KiB
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Summary {
    double medianMilliseconds;
    double minMilliseconds;
    double maxMilliseconds;
    double medianPeakRssMiB;
};

Summary Summarize(const std::vector<Sample>& samples) {
    std::vector<double> times;
    std::vector<double> memory;
    for (const Sample& sample : samples) {
        times.push_back(sample.milliseconds);
        memory.push_back(sample.peakRssMiB);
    }
    return {Median(times), *std::min_element(times.begin(), times.end()),
            *std::max_element(times.begin(), times.end()), Median(memory)};
}

int Usage() {
    std::fprintf(stderr, "usage: startup_driver [--runs N] PROGRAM BASELINE\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 15;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else {
            programs.push_back(argv[i]);
        }
    }
    if (programs.size() != 2 || runs < 1) return Usage();

    for (const char* program : programs) {
        if (!RunOnce(program)) return 1;  // warm-up
    }

    std::vector<Sample> samples[2];
    for (int run = 0; run < runs; ++run) {
        const bool baselineFirst = run % 4 == 1 || run % 4 == 2;
        for (int turn = 0; turn < 2; ++turn) {
            const int which = baselineFirst ? 1 - turn : turn;
            const std::optional<Sample> sample = RunOnce(programs[static_cast<std::size_t>(which)]);
            if (!sample) return 1;
            samples[which].push_back(*sample);
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const Summary program = Summarize(samples[0]);
    const Summary baseline = Summarize(samples[1]);
    std::printf("Start-up to first painted frame, %d runs each, QT_QPA_PLATFORM=%s\n", runs,
                platform != nullptr ? platform : "(default)");
    std::printf("%-10s %12s %10s %10s %16s\n", "", "median ms", "min ms", "max ms", "peak RSS MiB");
    std::printf("%-10s %12.1f %10.1f %10.1f %16.1f\n", "program", program.medianMilliseconds,
                program.minMilliseconds, program.maxMilliseconds, program.medianPeakRssMiB);
    std::printf("%-10s %12.1f %10.1f %10.1f %16.1f\n", "baseline", baseline.medianMilliseconds,
                baseline.minMilliseconds, baseline.maxMilliseconds, baseline.medianPeakRssMiB);
    std::printf("time ratio %.2fx (aim <= 1.10x), peak RSS %+.1f MiB (aim <= +3 MiB)\n",
                program.medianMilliseconds / baseline.medianMilliseconds,
                program.medianPeakRssMiB - baseline.medianPeakRssMiB);
    return 0;
}
