// Start-up side by side: starts the real program and the bare Qt window
// alternately under the display it finds, and prints for each the median time
// from exec to the first painted frame (the activation load done) and the
// median resident memory at that moment, and the two ratios.
//
//   pelmark_startzeit PELMARK LEERES_FENSTER [LAEUFE]

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Messung {
    double Millisekunden;
    double Megabyte;
};

// VmRSS of a running process, in MB.
double Resident(pid_t prozess) {
    std::ifstream status("/proc/" + std::to_string(prozess) + "/status");
    std::string zeile;
    while (std::getline(status, zeile)) {
        if (zeile.rfind("VmRSS:", 0) == 0) {
            return std::strtod(zeile.c_str() + 6, nullptr) / 1024.0;
        }
    }
    return 0.0;
}

// Waits for the program's line on the pipe; false after 30 s or at its end.
bool Warte_auf_Bild(int lesen) {
    std::string gelesen;
    const auto grenze = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (gelesen.find("erstes Bild\n") == std::string::npos) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
            grenze - std::chrono::steady_clock::now());
        pollfd p{lesen, POLLIN, 0};
        if (rest.count() <= 0 || poll(&p, 1, static_cast<int>(rest.count())) <= 0) {
            return false;
        }
        char puffer[256];
        const ssize_t n = read(lesen, puffer, sizeof puffer);
        if (n <= 0) {
            return false;
        }
        gelesen.append(puffer, static_cast<size_t>(n));
    }
    return true;
}

std::optional<Messung> Starte(const char* programm) {
    int rohr[2];
    if (pipe(rohr) != 0) {
        return std::nullopt;
    }
    const auto beginn = std::chrono::steady_clock::now();
    const pid_t kind = fork();
    if (kind == 0) {
        dup2(rohr[1], STDOUT_FILENO);
        close(rohr[0]);
        close(rohr[1]);
        std::freopen("/dev/null", "w", stderr);
        setenv("PELMARK_ERSTES_BILD", "1", 1);
        execl(programm, programm, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(rohr[1]);
    std::optional<Messung> messung;
    if (kind > 0 && Warte_auf_Bild(rohr[0])) {
        const std::chrono::duration<double, std::milli> dauer =
            std::chrono::steady_clock::now() - beginn;
        messung = Messung{dauer.count(), Resident(kind)};
    }
    close(rohr[0]);
    if (kind > 0) {
        // Killed, so the program writes nothing on closing.
        kill(kind, SIGKILL);
        waitpid(kind, nullptr, 0);
    }
    return messung;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const size_t mitte = werte.size() / 2;
    return werte.size() % 2 == 1 ? werte[mitte] : (werte[mitte - 1] + werte[mitte]) / 2.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: %s PELMARK LEERES_FENSTER [LAEUFE]\n", argv[0]);
        return 2;
    }
    const int laeufe = argc > 3 ? std::max(1, std::atoi(argv[3])) : 8;
    const char* programme[2] = {argv[2], argv[1]};
    std::vector<double> zeit[2], speicher[2];
    // One start of each first, unmeasured, so both find the libraries cached.
    for (int lauf = -1; lauf < laeufe; ++lauf) {
        for (int i = 0; i < 2; ++i) {
            const auto messung = Starte(programme[i]);
            if (!messung) {
                std::fprintf(stderr, "%s zeigte kein erstes Bild\n", programme[i]);
                return 1;
            }
            if (lauf >= 0) {
                zeit[i].push_back(messung->Millisekunden);
                speicher[i].push_back(messung->Megabyte);
            }
        }
    }
    const double t0 = Median(zeit[0]), t1 = Median(zeit[1]);
    const double m0 = Median(speicher[0]), m1 = Median(speicher[1]);
    std::printf("Start bis zum ersten Bild, Mediane aus %d abwechselnden Starts\n", laeufe);
    std::printf("  %-16s %8.1f ms %8.1f MB\n", "leeres Qt-Fenster", t0, m0);
    std::printf("  %-16s %8.1f ms %8.1f MB\n", "Pelmark", t1, m1);
    std::printf("  %-16s %8.2f    %8.2f\n", "Verhältnis", t1 / t0, m1 / m0);
    return 0;
}
