#include "periodiccells.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace {

using A = PeriodicCell::Action;
using P = PeriodicCell::Place;

PeriodicCell cell(QString label, P place, int row, int column, QRect twips, QString symbol,
                  QString name, QString strength, QString calories, A action, QString value) {
    PeriodicCell c;
    c.label = std::move(label);
    c.place = place;
    c.row = row;
    c.column = column;
    c.twips = twips;
    c.symbol = std::move(symbol);
    c.name = std::move(name);
    c.strength = std::move(strength);
    c.calories = std::move(calories);
    c.action = action;
    c.value = std::move(value);
    return c;
}

} // namespace

const std::vector<PeriodicCell>& periodicCells() {
    // Numbers are kept as printed (calories such as "0,00" included), and each written value is
    // its own constant rather than being taken from the printed strength.
    static const std::vector<PeriodicCell> cells{
        cell(u"Label1"_s, P::Grid, 1, 1, {600, 600, 1215, 855}, u"H"_s, {}, {}, {}, A::ShowsJoke,
             u"Хрен его знает, что это"_s),
        cell(u"Label2"_s, P::Grid, 2, 1, {480, 1680, 1335, 735}, u"Li"_s, u"ликер"_s, u"21"_s,
             u"210"_s, A::WritesStrength, u"21"_s),
        cell(u"Label3"_s, P::Grid, 2, 2, {1920, 1680, 1455, 855}, u"B"_s, u"бренди"_s, u"38"_s,
             u"8"_s, A::WritesStrength, u"38"_s),
        cell(u"Label4"_s, P::Grid, 2, 3, {3600, 1680, 1335, 855}, u"K"_s, u"коньяк"_s, u"41"_s,
             u"0,41"_s, A::WritesStrength, u"41"_s),
        cell(u"Label5"_s, P::Grid, 2, 4, {5040, 1680, 1335, 855}, u"V"_s, u"водка"_s, u"40"_s,
             u"485"_s, A::WritesStrength, u"40"_s),
        cell(u"Label6"_s, P::Grid, 2, 5, {6480, 1680, 1335, 855}, u"W"_s, u"царская водка"_s,
             u"100"_s, u"990"_s, A::WritesStrength, u"100"_s),
        cell(u"Label7"_s, P::Grid, 2, 6, {7920, 1680, 1335, 855}, u"Gr"_s, u"грог"_s, u"6"_s,
             u"39"_s, A::WritesStrength, u"6"_s),
        cell(u"Label8"_s, P::Grid, 2, 7, {9480, 1560, 1335, 855}, u"Sh"_s, u"шампанское"_s, u"10"_s,
             u"10"_s, A::WritesStrength, u"10"_s),
        cell(u"Label9"_s, P::Grid, 2, 8, {10920, 1560, 1335, 855}, u"Pt"_s, u"портвейн"_s, u"18"_s,
             u"600"_s, A::WritesStrength, u"18"_s),
        cell(u"Label10"_s, P::Grid, 3, 1, {480, 2520, 1335, 975}, u"Md"_s, u"медовуха"_s, u"56"_s,
             u"956"_s, A::WritesStrength, u"56"_s),
        cell(u"Label11"_s, P::Grid, 3, 2, {1920, 2640, 1455, 855}, u"Sc"_s, u"саке"_s, u"60"_s,
             u"0"_s, A::WritesStrength, u"60"_s),
        cell(u"Label12"_s, P::Grid, 3, 3, {3480, 2640, 1335, 855}, u"D"_s, u"джин"_s, u"29"_s,
             u"0,5"_s, A::WritesStrength, u"29"_s),
        cell(u"Label13"_s, P::Grid, 3, 4, {4920, 2640, 1335, 855}, u"Ra"_s, u"ракия"_s, u"39"_s,
             u"7"_s, A::WritesStrength, u"39"_s),
        cell(u"Label14"_s, P::Grid, 3, 5, {6360, 2640, 1335, 855}, u"Pn"_s, u"перно"_s, u"45"_s,
             u"450"_s, A::WritesStrength, u"45"_s),
        cell(u"Label15"_s, P::Grid, 3, 6, {7920, 2640, 1335, 855}, u"Pu"_s, u"пунш"_s, u"7"_s,
             u"88"_s, A::WritesStrength, u"7"_s),
        cell(u"Label16"_s, P::Grid, 3, 7, {9360, 2640, 1455, 855}, u"Bu"_s, u"бургундское"_s,
             u"2"_s, u"3"_s, A::WritesStrength, u"2"_s),
        cell(u"Label17"_s, P::Grid, 3, 8, {10920, 2640, 1215, 855}, u"Mn"_s, u"мартини"_s, u"12"_s,
             u"100"_s, A::WritesStrength, u"12"_s),
        cell(u"Label18"_s, P::Grid, 3, 9, {12240, 2640, 1335, 855}, u"Ve"_s, u"вермут"_s, u"14"_s,
             u"7"_s, A::WritesStrength, u"14"_s),
        cell(u"Label19"_s, P::Grid, 3, 10, {13680, 2640, 1215, 855}, u"Kn"_s, u"кьянти"_s, u"13"_s,
             u"2"_s, A::WritesStrength, u"13"_s),
        cell(u"Label20"_s, P::Grid, 4, 1, {480, 3600, 1335, 855}, u"Na"_s, u"наливка"_s, u"11,11"_s,
             u"22,22"_s, A::WritesStrength, u"11,11"_s),
        cell(u"Label21"_s, P::Grid, 4, 2, {1920, 3600, 1455, 855}, u"Cu"_s, u"цуйка"_s, u"40,2"_s,
             u"333"_s, A::WritesStrength, u"40,2"_s),
        cell(u"Label22"_s, P::Grid, 4, 3, {3480, 3600, 1335, 855}, u"P"_s, u"перцовка"_s, u"52"_s,
             u"555"_s, A::WritesStrength, u"52"_s),
        cell(u"Label23"_s, P::Grid, 4, 4, {5040, 3600, 1215, 855}, u"Cl"_s, u"кюммель"_s, u"40,5"_s,
             u"405"_s, A::WritesStrength, u"40,5"_s),
        cell(u"Label24"_s, P::Grid, 4, 5, {6480, 3600, 1335, 735}, u"Kr"_s, u"крюшон"_s, u"7,5"_s,
             u"200"_s, A::WritesStrength, u"7,5"_s),
        cell(u"Label25"_s, P::Grid, 4, 6, {8040, 3600, 1215, 735}, u"Ga"_s, u"граппа"_s, u"34"_s,
             u"0,4"_s, A::WritesStrength, u"34"_s),
        cell(u"Label26"_s, P::Grid, 4, 7, {9480, 3600, 1335, 855}, u"Kb"_s, u"каберне"_s, u"8"_s,
             u"22"_s, A::WritesStrength, u"8"_s),
        cell(u"Label27"_s, P::Grid, 4, 8, {10920, 3600, 1215, 735}, u"Mu"_s, u"мускат"_s, u"16,5"_s,
             u"1,65"_s, A::WritesStrength, u"16,5"_s),
        cell(u"Label28"_s, P::Grid, 4, 9, {12240, 3600, 1335, 735}, u"Bm"_s, u"Букет Молдавии"_s,
             u"15"_s, u"920"_s, A::WritesStrength, u"15"_s),
        cell(u"Label29"_s, P::Grid, 4, 10, {13680, 3600, 1215, 735}, u"Tc"_s, u"токай"_s, u"17"_s,
             u"60"_s, A::WritesStrength, u"17"_s),
        cell(u"Label30"_s, P::Grid, 5, 1, {480, 4560, 1335, 855}, u"Rm"_s, u"ром"_s, u"42"_s,
             u"98"_s, A::WritesStrength, u"42"_s),
        cell(u"Label31"_s, P::Grid, 5, 2, {1920, 4560, 1455, 855}, u"Go"_s, u"горилка"_s, u"92"_s,
             u"880"_s, A::WritesStrength, u"92"_s),
        cell(u"Label32"_s, P::Grid, 5, 3, {3480, 4560, 1455, 855}, u"Z"_s, u"зубровка"_s, u"48"_s,
             u"84"_s, A::WritesStrength, u"48"_s),
        cell(u"Label33"_s, P::Grid, 5, 4, {5040, 4560, 1335, 855}, u"Ka"_s, u"кальвадос"_s,
             u"8,8"_s, u"9,9"_s, A::WritesStrength, u"8,8"_s),
        cell(u"Label34"_s, P::Grid, 5, 5, {6480, 4560, 1335, 855}, u"Si"_s, u"сидр"_s, u"0,8"_s,
             u"0"_s, A::WritesStrength, u"0,8"_s),
        cell(u"Label35"_s, P::Grid, 5, 6, {8040, 4560, 1335, 855}, u"Zl"_s, u"зелье"_s, {}, {},
             A::ShowsJoke, u"Зелье бабы Дзыны"_s),
        cell(u"Label36"_s, P::Grid, 5, 7, {9480, 4560, 1335, 735}, u"Bd"_s, u"бордо"_s, u"3"_s,
             u"0,3"_s, A::WritesStrength, u"3"_s),
        cell(u"Label37"_s, P::Grid, 5, 8, {10920, 4560, 1215, 735}, u"Ca"_s, u"кагор"_s, u"19"_s,
             u"72,2"_s, A::WritesStrength, u"19"_s),
        cell(u"Label38"_s, P::Grid, 5, 9, {12240, 4560, 1335, 735}, u"Al"_s, u"алиготе"_s,
             u"0,01"_s, u"0,03"_s, A::WritesStrength, u"0,01"_s),
        cell(u"Label39"_s, P::Grid, 5, 10, {13680, 4560, 1095, 735}, u"Mr"_s, u"мадера"_s, u"20"_s,
             u"10"_s, A::WritesStrength, u"20"_s),
        cell(u"Label40"_s, P::Grid, 6, 1, {480, 5520, 1335, 735}, u"Te"_s, u"текила"_s, u"33"_s,
             u"333"_s, A::WritesStrength, u"33"_s),
        cell(u"Label41"_s, P::Grid, 6, 2, {1920, 5520, 1455, 735}, u"Ch"_s, u"чача"_s, u"63"_s,
             u"0,00"_s, A::WritesStrength, u"63"_s),
        cell(u"Label42"_s, P::Grid, 6, 3, {3480, 5520, 1455, 735}, u"At"_s, u"абсент"_s, u"31"_s,
             u"3"_s, A::WritesStrength, u"31"_s),
        cell(u"Label43"_s, P::Grid, 6, 4, {5040, 5520, 1215, 735}, u"El"_s, u"эль"_s, u"11"_s,
             u"111"_s, A::WritesStrength, u"11"_s),
        cell(u"Label44"_s, P::Grid, 6, 5, {6480, 5520, 1335, 735}, u"Cm"_s, u"кровавая Мэри"_s,
             u"20,5"_s, u"10000"_s, A::WritesStrength, u"20,5"_s),
        cell(u"Label45"_s, P::Grid, 6, 6, {8040, 5520, 1215, 855}, u"Tb"_s, u"телебенчик"_s, {}, {},
             A::ShowsJoke, u"Коктель по-русски"_s),
        cell(u"Label46"_s, P::Grid, 7, 1, {480, 6480, 1335, 855}, u"Pi"_s, u"пульке"_s, u"37"_s,
             u"101"_s, A::WritesStrength, u"37"_s),
        cell(u"Label47"_s, P::Grid, 7, 2, {2040, 6480, 1335, 855}, u"Ov"_s, u"огненная вода"_s, {},
             {}, A::ShowsJoke, u"Коктель по-индейски"_s),
        cell(u"Label48"_s, P::Grid, 7, 3, {3480, 6480, 1335, 855}, u"Du"_s, u"духи"_s, u"22"_s,
             u"902"_s, A::WritesStrength, u"22"_s),
        cell(u"Label49"_s, P::Grid, 7, 4, {5040, 6480, 1215, 855}, u"Sn"_s, u"самогон"_s, u"43"_s,
             u"66"_s, A::WritesStrength, u"43"_s),
        cell(u"Label50"_s, P::Grid, 7, 5, {6480, 6480, 1335, 855}, u"Pr"_s, u"первач"_s, u"73"_s,
             u"666"_s, A::WritesStrength, u"73"_s),
        cell(u"Label51"_s, P::Grid, 7, 6, {8040, 6480, 1335, 855}, u"Er"_s, u"ерш"_s, u"29"_s,
             u"998"_s, A::WritesStrength, u"29"_s),
        cell(u"Label52"_s, P::Grid, 8, 1, {480, 7440, 1335, 975}, u"Bz"_s, u"бальзам"_s, u"36"_s,
             u"0,06"_s, A::WritesStrength, u"36"_s),
        cell(u"Label53"_s, P::Grid, 8, 2, {2040, 7440, 1215, 975}, u"S"_s, u"спирт"_s, u"95"_s,
             u"0,95"_s, A::WritesStrength, u"95"_s),
        cell(u"Label54"_s, P::Grid, 8, 3, {3480, 7440, 1335, 975}, u"Ts"_s, u"технич. спирт"_s,
             u"96,6"_s, u"966"_s, A::WritesStrength, u"96,6"_s),
        cell(u"Label55"_s, P::Grid, 8, 4, {5040, 7440, 1215, 975}, u"Dn"_s, u"денатурат"_s, u"77"_s,
             u"834"_s, A::WritesStrength, u"77"_s),
        cell(u"Label56"_s, P::Grid, 8, 5, {6480, 7440, 1335, 975}, u"O"_s, u"одеколон"_s, u"26"_s,
             u"16"_s, A::WritesStrength, u"26"_s),
        cell(u"Label57"_s, P::Grid, 8, 6, {8040, 7440, 1215, 975}, u"L"_s, u"лосьен"_s, u"25"_s,
             u"15"_s, A::WritesStrength, u"25"_s),
        cell(u"Label58"_s, P::Grid, 8, 7, {9360, 7440, 1455, 975}, u"U"_s, u"уксус"_s, {}, {},
             A::ShowsJoke, u"Сладкий, когда пъеш задарма"_s),
        cell(u"Label59"_s, P::Grid, 8, 8, {10920, 7440, 1335, 975}, u"Br"_s, u"брага"_s, u"0,1"_s,
             u"985"_s, A::WritesStrength, u"0,1"_s),
        cell(u"Label60"_s, P::Grid, 8, 9, {12360, 7440, 1095, 975}, u"Bt"_s, u"бормотуха"_s,
             u"0,09"_s, u"0,1"_s, A::WritesStrength, u"0,09"_s),
        cell(u"Label61"_s, P::Grid, 8, 10, {13560, 7440, 1335, 975}, u"Fu"_s, u"пойло"_s, u"0"_s,
             u"0"_s, A::ShowsJoke, u"Пойло и есть пойло, от 0.00001 до 300 гр."_s),
        cell(u"Label62"_s, P::Grid, 1, 8, {10920, 480, 1215, 975}, u"He"_s, u"херес"_s, u"16"_s,
             u"56"_s, A::WritesStrength, u"16"_s),
        cell(u"Label64"_s, P::Legend, 0, 0, {9600, 6000, 1215, 975}, u"Kl"_s, u"пиво"_s, u"5"_s,
             u"45"_s, A::WritesStrength, u"5"_s),
        cell(u"Label65"_s, P::RemedyRow, 0, 4, {2880, 9960, 735, 615}, u"Ti"_s, u"чефир"_s, {}, {},
             A::ShowsJoke, u"От крепости даже челюсти сводит"_s),
    };
    return cells;
}
