#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Times programs from their start to their own exit and prints one line per
// program:
//   NAME MEDIAN_MS MIN_MS MAX_MS MEDIAN_PEAK_RSS_KIB
// Usage: startup_timer RUNS NAME MODE PROGRAM [NAME MODE PROGRAM ...]
// Each program runs with ZENTROVA_BENCH_EXIT=MODE, under which Zentrova and
// bench/bare_qt quit by themselves; one still running after 30 s is killed
// and the timing fails. After one warm-up run each, the programs take turns
// run by run, so that a machine getting busier or idler meanwhile affects
// them all alike.
namespace {

constexpr int kTimeoutSeconds = 30;

struct Run {
    double milliseconds = 0.0;
    long peakKib = 0;
};

void Say(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Program {
    std::string name;
    std::string environment;  // ZENTROVA_BENCH_EXIT=MODE
    char* path = nullptr;
    std::vector<double> times;
    std::vector<long> peaks;
};

bool RunOnce(Program& program, Run& run)
{
    sigset_t childExit;
    sigemptyset(&childExit);
    sigaddset(&childExit, SIGCHLD);
    sigprocmask(SIG_BLOCK, &childExit, nullptr);

    const double start = Now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        putenv(program.environment.data());
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        char* arguments[] = {program.path, nullptr};
        execv(program.path, arguments);
        _exit(127);
    }

    const timespec timeout{kTimeoutSeconds, 0};
    if (sigtimedwait(&childExit, nullptr, &timeout) < 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        Say("the program did not quit within 30 s: does it support ZENTROVA_BENCH_EXIT?\n");
        return false;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.milliseconds = Now() - start;
    run.peakKib = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Say("the program did not exit normally\n");
        return false;
    }
    return true;
}

template <typename T>
std::string Text(T value)
{
    char buffer[32];
    std::to_chars_result end{};
    if constexpr (std::is_floating_point_v<T>)
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    else
        end = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end.ptr);
}

template <typename T>
T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 0;
    if (argc < 5 || (argc - 2) % 3 != 0 ||
        std::from_chars(argv[1], argv[1] + std::string_view(argv[1]).size(), runs).ec != std::errc() || runs < 1) {
        Say("usage: startup_timer RUNS NAME MODE PROGRAM [NAME MODE PROGRAM ...]\n");
        return 2;
    }
    std::vector<Program> programs;
    for (int i = 2; i + 2 < argc; i += 3)
        programs.push_back({argv[i], std::string("ZENTROVA_BENCH_EXIT=") + argv[i + 1], argv[i + 2], {}, {}});

    Run run;
    // Warm-up: libraries and fonts into the page cache.
    for (Program& program : programs) {
        if (!RunOnce(program, run))
            return 1;
    }
    for (int r = 0; r < runs; ++r) {
        for (Program& program : programs) {
            if (!RunOnce(program, run))
                return 1;
            program.times.push_back(run.milliseconds);
            program.peaks.push_back(run.peakKib);
        }
    }
    for (const Program& program : programs) {
        const auto& times = program.times;
        const std::string line = program.name + " " + Text(Median(times)) + " " +
                                 Text(*std::min_element(times.begin(), times.end())) + " " +
                                 Text(*std::max_element(times.begin(), times.end())) + " " +
                                 Text(Median(program.peaks)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}
