#include "gui/vensterstart.h"

#include "app/morvelapp.h"
#include "cli/opdrachtregel.h"
#include "gui/focusterug.h"
#include "gui/htmlvoortgang.h"
#include "gui/hulptoets.h"
#include "gui/morveldlg.h"
#include "gui/pictogram.h"
#include "gui/qtmelder.h"
#include "gui/qttekst.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <cstring>

QString CEigenWoorden::translate(const char* context, const char* bron, const char*, int) const {
    if (std::strcmp(context, "QPlatformTheme") == 0 && std::strcmp(bron, "Cancel") == 0) {
        return QStringLiteral("&Afbreken");
    }
    return QString();
}

CNederlands::CNederlands() {
    qtGeladen_ =
        qt_.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&qt_);
    // Installed last, so asked first.
    QCoreApplication::installTranslator(&eigen_);
}

CNederlands::~CNederlands() {
    QCoreApplication::removeTranslator(&eigen_);
    QCoreApplication::removeTranslator(&qt_);
}

int CMorvelStijl::styleHint(StyleHint hint, const QStyleOption* optie, const QWidget* widget,
                            QStyleHintReturn* antwoord) const {
    if (hint == QStyle::SH_ComboBox_Popup) {
        return 0;
    }
    return QProxyStyle::styleHint(hint, optie, widget, antwoord);
}

int StartVensters(int& argc, char** argv, const std::string& profiel) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvel"));
    QApplication::setWindowIcon(MorvelPictogram());
    QApplication::setStyle(new CMorvelStijl); // the application owns it
    CNederlands nederlands;
    CHulpToets hulp;
    CFocusTerug focusTerug;

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
