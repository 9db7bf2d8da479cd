// The lists whose rows are fixed: methods, report contents, rounding rules,
// label contents, yes/no questions, positions, months, fonts, currencies.
#include "operations/pick_list_fixed.h"

#include <initializer_list>

#include "text/codepage.h"
#include "text/dates.h"

namespace zefir::operations {

namespace {

struct Fixed {
  int key;
  const char* kind;    // UTF-8
  const char* header;  // UTF-8
  bool sorted;
  std::initializer_list<const char*> rows;  // UTF-8
};

const Fixed kFixed[] = {
    {'a',
     "Wybierz metodę amortyzacji / umorzenia",
     "L × metoda - opis",
     true,
     {"B × Budżetowa - wszystkie raty zsumowane w grudniu",
      "D × Degresywna - brutto w nast.roku = netto z poprzedniego",
      "J × Jednorazowa - w całości w następnym miesiącu", "L × Liniowa - no ... liniowa",
      "N × Natychmiastowa - w całości w miesiącu OT",
      "P × Połówkowa - pół natychmiast, pół przy LT",
      "T × Tereny, grunty i obiekty zabytkowe (bez umorzenia)"}},
    {'b',
     "Wybierz zawartość zestawienia",
     "L × co ma być na zestawieniu",
     true,
     {"A × sAmo PK bez specyfikacji wszystkich środków",
      "B × Bez PK, czyli tylko wykaz środków z kontami",
      "C × Całe, czyli wykaz środków wraz z końcowym PK"}},
    {'e',
     "Wybierz zasadę wyrównywania zaokrągleń",
     "L × zasada - opis",
     true,
     {"E × Elegancka - wyrównania doliczone w grudniu lub miesiącu LT",
      "G × Grudniowa - wyrównania doliczane są zawsze w grudniu",
      "M × Miesięczna - wyrównań nie ma, grudzień taki jak inne"}},
    {'n',
     "Co może być na etykietce",
     "L × co będzie",
     true,
     {"C × Część środka (opis od -...)", "M × Miejsce użytkowania", "N × Nazwa środka trwałego",
      "O × Osoba odpowiedzialna", "S × Symbol środka trwałego",
      "X × pole nieużywane, ma pozostać puste", "Z × Zapis dodatkowy"}},
    {kSheetOrders,
     "Arkusze według MOS",
     "L × i co z tego będzie",
     true,
     {"M × Miejsca użytkowania", "O × Osób odpowiedzialnych", "S × Symboli środków trwałych"}},
    {'x',
     "Czy na zestawieniach pokazywać zlikwidowane",
     "L × i co będzie dalej",
     true,
     {"N × nie - zestawienia mają być krótkie, oszczędzające papier",
      "T × tak - zestawienia mają pokazywać wszystkie środki trwałe"}},
    {'y',
     "Na zestawieniach amortyzacja liczona metodą",
     "L × i to wymaga namysłu",
     true,
     {"B × bilansową z uwzględnieniem podstawowych stawek",
      "P × podatkową z uwzględnieniem stawek alternatywnych"}},
    {'z',
     "Wybierz typ zmiany stanu środka trwałego",
     "DL × jaka zmiana stanu środka wyniknie z tego",
     true,
     {"KK × zmiana konta kosztowego      (np. 501-01-400)",
      "KN × zmiana konta nadwyżki        (np. 760-01-400)",
      "KP × zmiana konta przeciwstawnego (np. 490-01)",
      "KR × zmiana konta rodzajowego     (np. 400-01)",
      "KS × zmiana konta środka trwałego (np. 011-01)",
      "KU × zmiana konta umorzeń         (np. 071-01)",
      "LT × likwidacja (sprzedaż) środka trwałego (częściowa)", "MU × zmiana miejsca użytkowania",
      "OO × zmiana osoby odpowiedzialnej", "OT × zwiększenie wartości OT środka trwałego",
      "PA × premia amortyzacyjna (ciąg dalszy w następnym roku)",
      "PK × polecenie korekty umorzenia - jednorazowy odpis",
      "PT × przekazanie (nieodpłatne) środka trwałego",
      "UD × umorzenie dotowane z funduszy zewnętrznych", "UU × uruchomienie umarzania środka",
      "WU × wyłączenie umarzania środka"}},
    {'E',
     "Ew.inne zaogrąglenia",
     "L × dokładność do",
     false,
     {"T × tysiąca zł", "Z × złotówki", "G × grosza"}},
    {'T', "Podejmowanie dycyzji", "", false, {"T × jak Tak", "N × jak Nie"}},
    {'P',
     "Oznaczenie położenia",
     "DL × opis",
     false,
     {"LG × Lewy-Górny róg ekranu", "LS × Lewy brzeg na Środku", "LD × Lewy-Dolny róg ekranu",
      "CG × Centralnie od Góry", "CS × Centralnie na Środku", "CD × Centralnie na Dole",
      "PG × Prawy-Górny róg ekranu", "PS × Prawy brzeg na Środku", "PD × Prawy-Dolny róg ekranu"}},
    {'B', "Pogrubienie czcionki", "I co ?", true, {"----", "Bold"}},
    {'M',
     "Miesiąc",
     "",
     true,
     {"01 × styczeń", "02 × luty", "03 × marzec", "04 × kwiecień", "05 × maj", "06 × czerwiec",
      "07 × lipiec", "08 × sierpień", "09 × wrzesień", "10 × październik", "11 × listopad",
      "12 × grudzień"}},
    {'R',
     "Rok",
     "",
     true,
     {"2011 × ", "2012 × ", "2013 × ", "2014 × ", "2015 × ", "2016 × ", "2017 × ", "2018 × ",
      "2019 × "}},
    {'F',
     "Wybór czcionki",
     "Nazwa fontu",
     true,
     {"a Arial", "b Comic Sans MS", "c Consolas", "d Courier New", "f Fixedsys", "i Impact",
      "l Lucida console", "m Marlett", "n Minion Web", "o Myriad Web", "p MS Sans Serif",
      "q MS Serif", "r Bodiac pl", "s System", "t Tahoma", "v Verdana"}},
    {'W',
     "Trzyliterowy symbol waluty",
     "Kod × waluta i jednostka",
     false,
     {"THB × bat (Tajlandia) 1THB + satang",
      "USD × dolar amerykański 1USD + cent",
      "AUD × dolar australijski 1AUD",
      "HKD × dolar Hongkongu 1HKD",
      "CAD × dolar kanadyjski 1CAD",
      "NZD × dolar nowozelandzki 1NZD",
      "SGD × dolar singapurski 1SGD",
      "EUR × euro 1EUR + cent",
      "HUF × forint (Węgry) 100HUF",
      "CHF × frank szwajcarski 1CHF",
      "GBP × funt szterling 1GBP + pens",
      "UAH × hrywna (Ukraina) 1UAH",
      "JPY × jen (Japonia) 100JPY",
      "CZK × korona czeska 1CZK + hależ",
      "DKK × korona duńska 1DKK",
      "ISK × korona islandzka 100ISK",
      "NOK × korona norweska 1NOK + öre",
      "SEK × korona szwedzka 1SEK + öre",
      "HRK × kuna (Chorwacja) 1HRK",
      "RON × lej rumuński 1RON",
      "BGN × lew (Bułgaria) 1BGN",
      "TRY × lira turecka 1TRY",
      "ILS × nowy izraelski szekel 1ILS",
      "CLP × peso chilijskie 100CLP",
      "PHP × peso filipińskie 1PHP",
      "MXN × peso meksykańskie 1MXN",
      "ZAR × rand (Republika Południowej Afryki) 1ZAR",
      "BRL × real (Brazylia) 1BRL",
      "MYR × ringgit (Malezja) 1MYR",
      "RUB × rubel rosyjski 1RUB",
      "IDR × rupia indonezyjska 10000IDR",
      "INR × rupia indyjska 100INR",
      "KRW × won południowokoreański 100KRW",
      "CNY × yuan renminbi (Chiny) 1CNY",
      "XDR × SDR (MFW) 1XDR"}},
};

// The font sizes: two digits and what the size is good for.
const char* fontSizeUse(int size) {
  if (size <= 7) return "bardzo drobna, przypisy";
  if (size <= 9) return "drobna, gęste zestawienia";
  if (size <= 12) return "zwykła, tekst wydruków";
  if (size <= 16) return "duża, nagłówki";
  return "bardzo duża, tytuły";
}

}  // namespace

bool addFixedList(int listKey, PickList& list) {
  if (listKey == 'C') {
    list.kind = "Wielkość czcionki";
    list.header = text::fromUtf8("Pt × do czego się nadaje");
    for (int size = 6; size <= 20; ++size)
      list.add(text::twoDigits(size) + " \xD7 " + text::twoDigits(size) + " pkt - " +
               text::fromUtf8(fontSizeUse(size)));
    return true;
  }
  for (const Fixed& f : kFixed) {
    if (f.key != listKey) continue;
    list.kind = text::fromUtf8(f.kind);
    list.header = text::fromUtf8(f.header);
    list.sorted = f.sorted;
    for (const char* row : f.rows) list.add(text::fromUtf8(row));
    return true;
  }
  return false;
}

}  // namespace zefir::operations
