#include "ui/ende_von_aussen.h"

#include "ui/hauptfenster.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace pelmark::ui {

namespace {

constexpr std::array<int, 3> Signale{SIGTERM, SIGINT, SIGHUP};

// The socket pair: the handler writes into [0], the notifier reads [1].
int paar[2] = {-1, -1};

void Signalbehandlung(int nummer) {
    // The next one of these signals takes its default course.
    for (const int s : Signale) {
        std::signal(s, SIG_DFL);
    }
    const char byte = static_cast<char>(nummer);
    [[maybe_unused]] const auto geschrieben = ::write(paar[0], &byte, 1);
}

} // namespace

Ende_von_aussen::Ende_von_aussen(Hauptfenster& fenster) : QObject(&fenster), fenster_(fenster) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, paar) == 0) {
        melder_ = new QSocketNotifier(paar[1], QSocketNotifier::Read, this);
        connect(melder_, &QSocketNotifier::activated, this, [this] { Signal_gekommen(); });
        struct sigaction aktion = {};
        aktion.sa_handler = Signalbehandlung;
        sigemptyset(&aktion.sa_mask);
        aktion.sa_flags = SA_RESTART;
        for (const int s : Signale) {
            sigaction(s, &aktion, nullptr);
        }
    }
    // The session ends: what the close saves is written before the session
    // manager goes on; the window closes with it.
    if (auto* anwendung = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(anwendung, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { Beenden(); });
        connect(anwendung, &QCoreApplication::aboutToQuit, this, [this] { Beenden(); });
    }
}

Ende_von_aussen::~Ende_von_aussen() {
    for (const int s : Signale) {
        std::signal(s, SIG_DFL);
    }
    for (int& ende : paar) {
        if (ende >= 0) {
            ::close(ende);
            ende = -1;
        }
    }
}

void Ende_von_aussen::Signal_gekommen() {
    char byte = 0;
    [[maybe_unused]] const auto gelesen = ::read(paar[1], &byte, 1);
    Beenden();
    QCoreApplication::quit();
}

void Ende_von_aussen::Beenden() {
    fenster_.Von_aussen_beenden();
}

} // namespace pelmark::ui
