// Start-up benchmark: time from process start to the main window's first
// expose and peak resident memory, for the calculator, a bare Qt Widgets
// window and a bare window with one line of text, in alternating runs; then
// the calculator's idle CPU with its clock running.
//   bench_startup FOLDER_OF_CHILDREN [RUNS] [IDLE_SECONDS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Run {
    double startupMs = 0;
    double peakMb = 0;
    double cpuSeconds = 0;
};

// Starts `program` with `args`, reads the expose time it prints (if any),
// waits for it and takes its resource use.
Run runChild(const std::string& program, const std::vector<std::string>& args)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(1);
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    std::string out;
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    if (!out.empty())
        run.startupMs = static_cast<double>(std::atoll(out.c_str()) - start) / 1e6;
    run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER_OF_CHILDREN [RUNS] [IDLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 15;
    const int idleSeconds = argc > 3 ? std::atoi(argv[3]) : 10;
    const std::string app = folder + "/bench_startup_app";
    const std::string bare = folder + "/bench_startup_bare";

    runChild(app, {}); // warm the file cache once
    runChild(bare, {});
    std::vector<double> appMs, bareMs, textMs, appMb, bareMb, textMb;
    for (int i = 0; i < runs; ++i) {
        const Run a = runChild(app, {});
        const Run b = runChild(bare, {});
        const Run t = runChild(bare, {"text"});
        appMs.push_back(a.startupMs);
        appMb.push_back(a.peakMb);
        bareMs.push_back(b.startupMs);
        bareMb.push_back(b.peakMb);
        textMs.push_back(t.startupMs);
        textMb.push_back(t.peakMb);
    }
    const double startApp = median(appMs), startBare = median(bareMs), startText = median(textMs);
    const double memApp = median(appMb), memBare = median(bareMb), memText = median(textMb);
    std::printf("start-up to first expose, median of %d runs each:\n"
                "  calculator %.1f ms, bare window %.1f ms, bare window with text %.1f ms\n"
                "  ratio to the bare window %.2f (target <= 1.30), to the one with text %.2f\n",
                runs, startApp, startBare, startText, startApp / startBare, startApp / startText);
    std::printf("peak resident memory, median of %d runs each:\n"
                "  calculator %.1f MiB, bare window %.1f MiB, bare window with text %.1f MiB\n"
                "  ratio to the bare window %.2f (target <= 1.25), to the one with text %.2f\n",
                runs, memApp, memBare, memText, memApp / memBare, memApp / memText);

    // Idle: the CPU time of a run of 2 + N seconds less that of a run of 2
    // seconds, over N seconds of wall time.
    const Run shortRun = runChild(app, {"idle", "2"});
    const Run longRun = runChild(app, {"idle", std::to_string(2 + idleSeconds)});
    const double idlePercent = 100.0 * (longRun.cpuSeconds - shortRun.cpuSeconds) / idleSeconds;
    std::printf("idle CPU with the clock running, over %d s: %.2f %% of one core "
                "(target < 0.5 %%)\n",
                idleSeconds, std::max(0.0, idlePercent));
    return 0;
}
