// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first painted frame, and peak memory, of two programs measured alternately
// in one run on the offscreen platform. Each program is started with the first-frame shim,
// which ends it right after its first frame; the wall time to its exit and its peak resident
// size are taken, and the medians compared. Assignments before a program are added to its
// environment alone, as env(1) takes them: the game in one language against itself in another.
//
//   startup_probe RUNS SHIM [NAME=VALUE...] PROGRAM [NAME=VALUE...] BASELINE
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double ms;   // wall time from the start to the exit after the first frame
    double cpu;  // user and system time of the program, in ms
    double mib;  // peak resident size
};

constexpr auto kTimeout = std::chrono::seconds(20);

struct Program {
    std::string path;
    std::vector<std::string> assignments;
};

bool measure(const Program& program, const std::string& shim, Sample& sample) {
    std::vector<std::string> env = program.assignments;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        const bool assigned =
            std::any_of(program.assignments.begin(), program.assignments.end(),
                        [&](const std::string& a) { return a.rfind(name, 0) == 0; });
        if (!assigned && name != "LD_PRELOAD=" && name != "QT_QPA_PLATFORM=") {
            env.push_back(entry);
        }
    }
    env.push_back("LD_PRELOAD=" + shim);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    std::string path = program.path;
    char* argv[] = {path.data(), nullptr};

    // The platform's chatter on standard error would drown the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.c_str(), &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        std::perror(path.c_str());
        return false;
    }
    // A program that never paints would hang the probe: a watchdog ends it.
    std::mutex mutex;
    std::condition_variable done;
    bool exited = false;
    std::thread watchdog([&] {
        std::unique_lock lock(mutex);
        if (!done.wait_for(lock, kTimeout, [&] { return exited; })) {
            kill(pid, SIGKILL);
            std::fprintf(stderr, "%s painted no frame within the time limit\n", path.c_str());
        }
    });
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    {
        std::lock_guard lock(mutex);
        exited = true;
    }
    done.notify_one();
    watchdog.join();
    sample.ms = std::chrono::duration<double, std::milli>(end - start).count();
    sample.mib = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    sample.cpu = ms(usage.ru_utime) + ms(usage.ru_stime);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The game reads its best times as it starts: give it a well-formed file, in a data folder of
// its own, so that read is part of what is measured.
bool provideBestTimes() {
    char dir[] = "/tmp/fieldclear-probe-XXXXXX";
    if (mkdtemp(dir) == nullptr) {
        return false;
    }
    const std::string folder = std::string(dir) + "/fieldclear";
    if (mkdir(folder.c_str(), 0700) != 0) {
        return false;
    }
    FILE* f = std::fopen((folder + "/minebs.txt").c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    std::fputs("\"999 45123MrNobodyAnn     Bo      \"\r\n", f);
    std::fclose(f);
    return setenv("XDG_DATA_HOME", dir, 1) == 0;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double least(std::vector<double> v) {
    return *std::min_element(v.begin(), v.end());
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<Program> programs(1);
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto eq = arg.find('=');
        if (eq != std::string::npos && eq > 0 && arg.find('/') > eq) {
            programs.back().assignments.push_back(arg);
        } else {
            programs.back().path = arg;
            programs.emplace_back();
        }
    }
    if (argc < 5 || programs.size() != 3 || !programs.back().assignments.empty()) {
        std::fprintf(stderr,
                     "usage: %s RUNS SHIM [NAME=VALUE...] PROGRAM [NAME=VALUE...] BASELINE\n",
                     argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string shim = argv[2];
    if (!provideBestTimes()) {
        std::perror("best-times file for the probe");
        return 1;
    }
    std::vector<double> ms[2];
    std::vector<double> cpu[2];
    std::vector<double> mib[2];
    for (int run = 0; run < runs + 1; ++run) {
        for (int p = 0; p < 2; ++p) {
            Sample s{};
            if (!measure(programs[p], shim, s)) {
                return 1;
            }
            if (run > 0) {  // the first round only warms the file cache
                ms[p].push_back(s.ms);
                cpu[p].push_back(s.cpu);
                mib[p].push_back(s.mib);
            }
        }
    }
    const auto line = [](const char* what, const std::vector<double>* v,
                         double (*pick)(std::vector<double>), const char* unit) {
        const double a = pick(v[0]);
        const double b = pick(v[1]);
        std::printf("%-28s program %6.1f %s, baseline %6.1f %s, ratio %.3f\n", what, a, unit, b,
                    unit, a / b);
    };
    std::printf("%d alternating runs each\n", runs);
    line("start-up to first frame:", ms, median, "ms ");
    line("  fastest run:", ms, least, "ms ");
    line("  processor time:", cpu, median, "ms ");
    line("peak memory:", mib, median, "MiB");
    return 0;
}
