#include "affe/waechter.h"

#include <pthread.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace pelmark::affe {

Waechter::Waechter(long grenze_ms, std::string wiederholung)
    : grenze_ms_(grenze_ms), wiederholung_(std::move(wiederholung)) {
    pthread_getcpuclockid(pthread_self(), &cpu_uhr_);
    Schlag();
    faden_ = std::thread([this] { Wache(); });
}

Waechter::~Waechter() {
    ende_ = true;
    faden_.join();
}

std::int64_t Waechter::Nanos(clockid_t uhr) {
    timespec t{};
    clock_gettime(uhr, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void Waechter::Schlag() {
    wand_ = Nanos(CLOCK_MONOTONIC);
    cpu_ = Nanos(cpu_uhr_);
}

void Waechter::Aktion(long nummer, const std::string& beschreibung) {
    const std::lock_guard<std::mutex> halt(sperre_);
    nummer_ = nummer;
    beschreibung_ = beschreibung;
    Schlag();
}

void Waechter::Wache() {
    const std::int64_t grenze = static_cast<std::int64_t>(grenze_ms_) * 1000000;
    while (!ende_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (pause_) {
            continue;
        }
        const std::lock_guard<std::mutex> halt(sperre_);
        const std::int64_t cpu = Nanos(cpu_uhr_) - cpu_;
        const std::int64_t wand = Nanos(CLOCK_MONOTONIC) - wand_;
        if (cpu > spitze_) {
            spitze_ = cpu;
            spitze_aktion_ = std::to_string(nummer_) + " (" + beschreibung_ + ")";
        }
        if (cpu > grenze || wand > 10 * grenze) {
            std::fprintf(stderr,
                         "AFFE HÄNGER: Aktion %ld (%s) seit %lld ms Rechenzeit, %lld ms Uhrzeit\n"
                         "Wiederholen: %s --aktionen %ld\n",
                         nummer_, beschreibung_.c_str(), static_cast<long long>(cpu / 1000000),
                         static_cast<long long>(wand / 1000000), wiederholung_.c_str(), nummer_);
            std::fflush(stderr);
            std::_Exit(3);
        }
    }
}

std::string Waechter::Spitze() {
    const std::lock_guard<std::mutex> halt(sperre_);
    return std::to_string(spitze_ / 1000000) + " ms Rechenzeit in Aktion " + spitze_aktion_;
}

} // namespace pelmark::affe
