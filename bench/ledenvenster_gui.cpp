// The members window on a competition of 2,000 players and 500 rounds:
// opening it offscreen (the replay of all rounds and the filled list), and
// one keystroke in "Zoek:".

#include "grote_competitie.h"
#include "gui/ledendlg.h"
#include "vensterbench.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A key as the keyboard sends it to the field that has the focus.
void Toets(QWidget* veld, Qt::Key toets, const QString& tekst) {
    QKeyEvent neer(QEvent::KeyPress, toets, Qt::NoModifier, tekst);
    QApplication::sendEvent(veld, &neer);
    QKeyEvent op(QEvent::KeyRelease, toets, Qt::NoModifier, tekst);
    QApplication::sendEvent(veld, &op);
}

void OpenLedenvenster(benchmark::State& state) {
    CMorvelApp& app = GroteApp();
    for (auto _ : state) {
        CLedenDlg venster(app);
        venster.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&venster);
    }
}
BENCHMARK(OpenLedenvenster)->Unit(benchmark::kMillisecond);

// Types one more letter and takes it away again: two searches a round.
void ToetsInZoek(benchmark::State& state) {
    CLedenDlg venster(GroteApp());
    venster.show();
    QApplication::processEvents();
    auto* zoek = venster.findChild<QLineEdit*>("zoek");
    for (char c : std::string("speler 19")) {
        Toets(zoek, Qt::Key_unknown, QString(QChar(c)));
    }
    for (auto _ : state) {
        Toets(zoek, Qt::Key_9, QStringLiteral("9"));
        Toets(zoek, Qt::Key_Backspace, QString());
    }
    if (venster.Model().ZoekTekst() != "speler 19") {
        state.SkipWithError("the keys did not reach the search field");
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(ToetsInZoek)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return VoerVensterBenchmarksUit(argc, argv);
}
