#include "gui/vensterstart.h"

#include "app/morvelapp.h"
#include "cli/opdrachtregel.h"
#include "gui/htmlvoortgang.h"
#include "gui/morveldlg.h"
#include "gui/pictogram.h"
#include "gui/qtmelder.h"
#include "gui/qttekst.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>

bool InstalleerNederlands(QTranslator& vertaling) {
    if (!vertaling.load(QStringLiteral("qtbase_nl"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&vertaling);
}

int StartVensters(int& argc, char** argv, const std::string& profiel) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvel"));
    QApplication::setWindowIcon(MorvelPictogram());
    QTranslator vertaling;
    InstalleerNederlands(vertaling);

    CQtMelder melder;
    Melder* vorige = ZetMelder(&melder);
    int status = 0;
    {
        // The working directory changes below; the profile is written at the end.
        std::string profielPad =
            profiel.empty() ? profiel
                            : VanQString(QDir::current().absoluteFilePath(NaarQString(profiel)));
        CMorvelApp app(profielPad);
        if (app.settings.Fataal()) {
            status = kFataleStartFout;
        } else {
            app.settings.ToonReleaseMededelingen();
            // "." of the profile's paths: the program's folder or the user's data folder.
            QDir::setCurrent(NaarQString(VanafProgrammaMap(".")));
            CMorvelDlg hoofdvenster(app);
            melder.ZetOuder(&hoofdvenster);
            app.uploadVenster = [&hoofdvenster](CUploadRun& run) {
                ToonHtmlVoortgang(run, &hoofdvenster);
            };
            hoofdvenster.exec();
            app.uploadVenster = nullptr;
            melder.ZetOuder(nullptr);
        }
    }
    ZetMelder(vorige);
    return status;
}
