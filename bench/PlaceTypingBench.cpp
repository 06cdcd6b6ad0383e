// Cost of one keystroke in the birth data dialog's place field with the extended (world)
// city database loaded: the key event, the city lookup, the grid moving to the row
// found, the hemisphere buttons following it, and the grid repainted.
//
// BM_PlaceKeystroke/N types the N-th letter of a place name after the first N-1 are in
// the field (the names spread over the whole table). The figure to quote is the time
// per iteration, which one frame (16 ms) must hold. Runs offscreen.

#include "app/dialogs/SzuletesiKepletAdatokDialog.h"
#include "app/main/Desktop.h"
#include "core/SzuletesiKepletInfo.h"
#include "data/DataSetInfoProvider.h"
#include "data/ProgramFolders.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsProvider.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace velkaris;

/// Answers nothing: no message is expected while typing.
class TSilentDesktop : public TDesktop {
public:
    bool AskYesNo(const QString&) override { return false; }
    TAnswer AskYesNoCancel(const QString&) override { return TAnswer::Cancel; }
    void ShowError(const QString&) override {}
    void ShowWarning(const QString&) override {}
    void ShowInformation(const QString&) override {}
    QStringList ChooseOpenFiles(const QString&, const QString&, const QString&, bool) override {
        return {};
    }
    std::optional<QString> ChooseSaveFile(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> AskAddress() override { return std::nullopt; }
    void OpenWithShell(const QString&) override {}
};

/// The dialog over the world city table, shown once for all runs.
struct TTypingSetup {
    QTemporaryDir Home;
    std::unique_ptr<TDataSetInfoProvider> Places;
    TSettingsINIFileLoader Store;
    TSettingsProvider Settings{Store};
    TSilentDesktop Desktop;
    TSzuletesiKepletInfo Record;
    std::unique_ptr<TfrmSzuletesiKepletAdatok> Dialog;
    QLineEdit* Place = nullptr;

    TTypingSetup() {
        Places = std::make_unique<TDataSetInfoProvider>(TProgramFolders::Resolve(Home.path()), 1);
        Dialog = std::make_unique<TfrmSzuletesiKepletAdatok>(*Places, Settings, Desktop);
        Dialog->SetRecord(Record);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
        (void)QTest::qWaitForWindowActive(Dialog.get());
        Place = Dialog->findChild<QLineEdit*>(QStringLiteral("edtTelepules"));
        Place->setFocus();
    }
};

TTypingSetup& Setup() {
    static TTypingSetup setup;
    return setup;
}

void BM_PlaceKeystroke(benchmark::State& state) {
    TTypingSetup& s = Setup();
    const int letters = static_cast<int>(state.range(0));
    const char* const names[] = {"aberdeen", "budapest", "kolozsvar", "melbourne",
                                 "santiago", "toronto",  "yokohama",  "zurich"};
    auto* grid = s.Dialog->findChild<QTableView*>(QStringLiteral("dbgCityes"));
    std::size_t i = 0;
    for (auto _ : state) {
        const QString name = QLatin1String(names[i++ % std::size(names)]);
        state.PauseTiming();
        s.Place->setText(name.left(letters - 1));
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(s.Place, name.at(letters - 1).toLatin1());
        grid->viewport()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PlaceKeystroke)->Arg(1)->Arg(3)->Arg(6)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
