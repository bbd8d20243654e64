#include "formule/formule.h"

#include "base/witruimte.h"

#include <cmath>
#include <limits>
#include <utility>

namespace {

const char* const kSluithaakjeMist = "Sluithaakje ')' mist.";
const char* const kHaakjeOpenMist = "Funktie mist '('.";
const char* const kKommaMist = "komma (argumentscheidingsteken) ',' mist.";
const char* const kSqrtNegatief = "Argument van Sqrt() is negatief.";
const char* const kDelingDoorNul = "Deling door nul.";
const char* const kOverflow = "Overflow.";
const char* const kNegatieveFactor = "Negatieve factor.";
const char* const kOngeldig = "Ongeldige funktie of teken op deze plaats.";
const char* const kNietCompleet = "Formule is niet compleet.";

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

// Deeper nesting of groups and calls than any real formula has; refused as an
// overflow instead of running out of stack.
constexpr int32_t kMaxDiepte = 200;

enum EFunctie { kSqrt, kAbs, kSign, kAls, kMaximum, kMinimum };

// Names in the order they are tried; the first that is a prefix of the text wins.
const char* const kFunctieNamen[] = {"sqrt", "abs", "sign", "als", "max", "min"};

bool InBereik(int64_t waarde) {
    return waarde >= kMin && waarde <= kMax;
}

int32_t IntegerWortel(int32_t a) {
    auto r = static_cast<int64_t>(std::sqrt(static_cast<double>(a)));
    while (r * r > a) {
        --r;
    }
    while ((r + 1) * (r + 1) <= a) {
        ++r;
    }
    return static_cast<int32_t>(r);
}

} // namespace

CFormule::CFormule(std::string tekst) : tekst_(std::move(tekst)) {}

int CFormule::Bereken(int32_t w, int32_t v, int32_t j, int32_t p, int32_t r, int32_t k,
                      int32_t& resultaat) {
    w_ = w;
    v_ = v;
    j_ = j;
    p_ = p;
    r_ = r;
    k_ = k;
    positie_ = 0;
    foutPositie_ = 0;
    foutTekst_ = "";
    diepte_ = 0;
    resultaat = 0;
    if (Vergelijking(resultaat) != 0) {
        return -1;
    }
    SlaWitruimteOver();
    if (Teken() != '\0') {
        return Fout(kOngeldig, positie_);
    }
    return 0;
}

int CFormule::Bereken(int32_t v, int32_t& resultaat) {
    return Bereken(0, v, 0, 0, 0, 0, resultaat);
}

int CFormule::Fout(const char* tekst, int32_t positie) {
    foutTekst_ = tekst;
    foutPositie_ = positie;
    return -1;
}

void CFormule::SlaSpatiesOver() {
    while (Teken() == ' ' || Teken() == '\t') {
        ++positie_;
    }
}

void CFormule::SlaWitruimteOver() {
    while (IsWitruimte(Teken())) {
        ++positie_;
    }
}

int CFormule::Sluithaakje() {
    SlaWitruimteOver();
    if (Teken() != ')') {
        return Fout(kSluithaakjeMist, positie_);
    }
    ++positie_;
    --diepte_;
    return 0;
}

// sum, then any number of (comparison operator, sum); 1 or 0 per step.
int CFormule::Vergelijking(int32_t& uit) {
    if (Som(uit) != 0) {
        return -1;
    }
    for (;;) {
        SlaSpatiesOver();
        const char* t = tekst_.c_str() + positie_;
        // 0 =, 1 <>, 2 <, 3 >, 4 <=, 5 >=
        int op;
        int lengte = 2;
        if ((t[0] == '<' && t[1] == '>') || (t[0] == '!' && t[1] == '=')) {
            op = 1;
        } else if ((t[0] == '<' && t[1] == '=') || (t[0] == '=' && t[1] == '<')) {
            op = 4;
        } else if ((t[0] == '>' && t[1] == '=') || (t[0] == '=' && t[1] == '>')) {
            op = 5;
        } else {
            lengte = 1;
            if (t[0] == '=') {
                op = 0;
            } else if (t[0] == '<') {
                op = 2;
            } else if (t[0] == '>') {
                op = 3;
            } else {
                return 0;
            }
        }
        positie_ += lengte;
        int32_t rechts = 0;
        if (Som(rechts) != 0) {
            return -1;
        }
        bool waar = false;
        switch (op) {
        case 0:
            waar = uit == rechts;
            break;
        case 1:
            waar = uit != rechts;
            break;
        case 2:
            waar = uit < rechts;
            break;
        case 3:
            waar = uit > rechts;
            break;
        case 4:
            waar = uit <= rechts;
            break;
        default:
            waar = uit >= rechts;
            break;
        }
        uit = waar ? 1 : 0;
    }
}

// product, then any number of ("+" or "-", product).
int CFormule::Som(int32_t& uit) {
    if (Product(uit) != 0) {
        return -1;
    }
    for (;;) {
        SlaSpatiesOver();
        char op = Teken();
        if (op != '+' && op != '-') {
            return 0;
        }
        ++positie_;
        int32_t rechts = 0;
        if (Product(rechts) != 0) {
            return -1;
        }
        // Product stops behind the blanks after its operand: the overflow is reported there.
        int64_t waarde = op == '+' ? int64_t{uit} + rechts : int64_t{uit} - rechts;
        if (!InBereik(waarde)) {
            return Fout(kOverflow, positie_);
        }
        uit = static_cast<int32_t>(waarde);
    }
}

// factor, then any number of ("*", "/", "%" or "^", factor); errors just behind the right factor.
int CFormule::Product(int32_t& uit) {
    if (Factor(uit) != 0) {
        return -1;
    }
    for (;;) {
        SlaSpatiesOver();
        char op = Teken();
        if (op != '*' && op != '/' && op != '%' && op != '^') {
            return 0;
        }
        ++positie_;
        int32_t rechts = 0;
        if (Factor(rechts) != 0) {
            return -1;
        }
        int64_t links = uit;
        int64_t waarde = 0;
        switch (op) {
        case '*':
            waarde = links * rechts;
            break;
        case '/':
            if (rechts == 0) {
                return Fout(kDelingDoorNul, positie_);
            }
            waarde = links / rechts; // -2147483648 / -1 leaves the range below
            break;
        case '%':
            if (rechts == 0) {
                return Fout(kDelingDoorNul, positie_);
            }
            waarde = links % rechts; // in 64 bits, so -2147483648 % -1 is simply 0
            break;
        default:
            if (rechts < 0) {
                return Fout(kNegatieveFactor, positie_);
            }
            // Repeated multiplication; with |base| >= 2 it leaves the range within 32 steps,
            // so only 0, 1 and -1 can have long runs and those are settled at once.
            waarde = rechts == 0 ? 1 : links;
            for (int32_t n = 1; n < rechts && InBereik(waarde); ++n) {
                if (links == 0 || links == 1) {
                    break;
                }
                if (links == -1) {
                    waarde = (rechts % 2 == 0) ? 1 : -1;
                    break;
                }
                waarde *= links;
            }
            break;
        }
        if (!InBereik(waarde)) {
            return Fout(kOverflow, positie_);
        }
        uit = static_cast<int32_t>(waarde);
    }
}

// An optional unary "-", then a primary.
int CFormule::Factor(int32_t& uit) {
    SlaWitruimteOver();
    if (Teken() != '-') {
        return Primair(uit);
    }
    ++positie_;
    SlaWitruimteOver();
    if (Primair(uit) != 0) {
        return -1;
    }
    if (uit == kMin) {
        return Fout(kOverflow, positie_);
    }
    uit = -uit;
    return 0;
}

const int32_t* CFormule::Variabele(char letter) const {
    switch (letter) {
    case 'W':
    case 'w':
        return &w_;
    case 'V':
    case 'v':
        return &v_;
    case 'J':
    case 'j':
        return &j_;
    case 'P':
    case 'p':
        return &p_;
    case 'R':
    case 'r':
        return &r_;
    case 'K':
    case 'k':
        return &k_;
    default:
        return nullptr;
    }
}

// "(" comparison ")", a number, a function call or a variable.
int CFormule::Primair(int32_t& uit) {
    char c = Teken();
    if (c == '\0') {
        return Fout(kNietCompleet, positie_);
    }
    if (c == '(') {
        if (++diepte_ > kMaxDiepte) {
            return Fout(kOverflow, positie_);
        }
        ++positie_;
        if (Vergelijking(uit) != 0) {
            return -1;
        }
        return Sluithaakje();
    }
    if (IsCijfer(c)) {
        int64_t waarde = 0;
        while (IsCijfer(Teken())) {
            waarde = waarde * 10 + (Teken() - '0');
            if (waarde > kMax) {
                return Fout(kOverflow, positie_);
            }
            ++positie_;
        }
        uit = static_cast<int32_t>(waarde);
        return 0;
    }
    if (const int32_t* variabele = Variabele(c)) {
        ++positie_;
        uit = *variabele;
        return 0;
    }
    const char* t = tekst_.c_str() + positie_;
    for (int f = 0; f < 6; ++f) {
        if (BegintMetZonderHoofdletters(t, kFunctieNamen[f])) {
            return Functie(f, uit);
        }
    }
    return Fout(kOngeldig, positie_);
}

// The call of function `functie`, whose name stands at the scan position.
int CFormule::Functie(int functie, int32_t& uit) {
    if (++diepte_ > kMaxDiepte) {
        return Fout(kOverflow, positie_);
    }
    positie_ += static_cast<int32_t>(std::char_traits<char>::length(kFunctieNamen[functie]));
    SlaWitruimteOver();
    if (Teken() != '(') {
        return Fout(kHaakjeOpenMist, positie_);
    }
    ++positie_;
    if (Vergelijking(uit) != 0) {
        return -1;
    }
    switch (functie) {
    case kSqrt:
        if (uit < 0) {
            return Fout(kSqrtNegatief, positie_);
        }
        uit = IntegerWortel(uit);
        break;
    case kAbs:
        if (uit == kMin) {
            return Fout(kOverflow, positie_);
        }
        uit = uit < 0 ? -uit : uit;
        break;
    case kSign:
        uit = uit < 0 ? -1 : (uit > 0 ? 1 : 0);
        break;
    case kAls: {
        // Both branches are always evaluated, so their faults show whatever the condition.
        int32_t dan = 0;
        int32_t anders = 0;
        for (int32_t* tak : {&dan, &anders}) {
            SlaWitruimteOver();
            if (Teken() != ',') {
                return Fout(kKommaMist, positie_);
            }
            ++positie_;
            if (Vergelijking(*tak) != 0) {
                return -1;
            }
        }
        uit = uit != 0 ? dan : anders;
        break;
    }
    default:
        for (;;) {
            SlaWitruimteOver();
            if (Teken() != ',') {
                break;
            }
            ++positie_;
            int32_t volgende = 0;
            if (Vergelijking(volgende) != 0) {
                return -1;
            }
            if (functie == kMaximum ? volgende > uit : volgende < uit) {
                uit = volgende;
            }
        }
        break;
    }
    return Sluithaakje();
}
