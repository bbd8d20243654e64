#include "ui/htmlinstellingen.h"

#include "settings/settings.h"

#include <algorithm>

CHtmlVenster::CHtmlVenster(const CSettings& settings)
    : server(settings.Server()), poort(settings.Poort()), passief(settings.FtpModePassief() != 0),
      gebruikersnaam(settings.Gebruikersnaam()), remoteDirectory(settings.RemoteDirectory()),
      certificaat(settings.HtmlCertificaat()),
      competitieIdAanPad(settings.CompetitieIdAanPadToevoegen() != 0),
      automatischAfsluiten(settings.AutomatischAfsluiten() != 0),
      modi_{settings.HtmlUitslag(), settings.HtmlUitslagen(), settings.HtmlStand(),
            settings.HtmlIndeling(), settings.HtmlKlassenverloop()},
      methode_(MethodeVan(settings.HtmlMethode())) {}

void CHtmlVenster::KiesMethode(UploadMethode methode) {
    methode_ = methode;
    poort = methode == UploadMethode::Sftp ? "22" : "21";
}

void CHtmlVenster::ZetWachtwoord(const std::string& tekst) {
    wachtwoord_ = tekst;
    wachtwoordGewijzigd_ = true;
}

bool CHtmlVenster::UploadVeldenAan() const {
    return std::find(modi_.begin(), modi_.end(), kUploaden) != modi_.end();
}

void CHtmlVenster::Ok(CSettings& settings) const {
    settings.SetHtmlUitslag(modi_[kUitslag]);
    settings.SetHtmlUitslagen(modi_[kUitslagen]);
    settings.SetHtmlStand(modi_[kStand]);
    settings.SetHtmlIndeling(modi_[kIndeling]);
    settings.SetHtmlKlassenverloop(modi_[kKlassenverloop]);
    settings.SetServer(server);
    settings.SetPoort(poort);
    settings.SetFtpModePassief(passief ? 1 : 0);
    settings.SetGebruikersnaam(gebruikersnaam);
    if (wachtwoordGewijzigd_) {
        settings.SetWachtwoord(wachtwoord_);
    }
    settings.SetRemoteDirectory(remoteDirectory);
    settings.SetHtmlCertificaat(certificaat);
    settings.SetCompetitieIdAanPadToevoegen(competitieIdAanPad ? 1 : 0);
    settings.SetAutomatischAfsluiten(automatischAfsluiten ? 1 : 0);
    settings.SetHtmlMethode(MethodeTekst(methode_));
}
