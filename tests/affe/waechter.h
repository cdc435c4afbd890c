#pragma once
// The watchdog of the monkey: a thread that ends the run when the window's
// thread has spent more than the limit of its own processor time (or ten
// times that on the clock, for a thread that waits) since its last heartbeat.

#include <atomic>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <string>
#include <thread>

namespace pelmark::affe {

class Waechter {
  public:
    Waechter(long grenze_ms, std::string wiederholung);
    ~Waechter();
    Waechter(const Waechter&) = delete;
    Waechter& operator=(const Waechter&) = delete;

    // Called on the window's thread: it is alive; aktion names what it does.
    void Schlag();
    void Aktion(long nummer, const std::string& beschreibung);
    // Start-ups (the activation load) are not timed.
    void Pause(bool an) {
        pause_ = an;
        Schlag();
    }

    // The longest processor time seen between two heartbeats (sampled every
    // 50 ms), with the action it fell in.
    std::string Spitze();

  private:
    void Wache();
    static std::int64_t Nanos(clockid_t uhr);

    long grenze_ms_;
    std::string wiederholung_;
    clockid_t cpu_uhr_{};
    std::atomic<std::int64_t> wand_{0};
    std::atomic<std::int64_t> cpu_{0};
    std::atomic<bool> pause_{true};
    std::atomic<bool> ende_{false};
    std::mutex sperre_;
    long nummer_ = 0;
    std::string beschreibung_;
    std::int64_t spitze_ = 0;
    std::string spitze_aktion_;
    std::thread faden_;
};

} // namespace pelmark::affe
