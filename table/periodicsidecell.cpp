#include "periodicsidecell.h"

using namespace Qt::StringLiterals;

const std::vector<PeriodicSideCell>& periodicSnacks() {
    static const std::vector<PeriodicSideCell> snacks{
        {u"Og"_s, u"огурец"_s, u"90"_s, u"15"_s},    {u"Sl"_s, u"сало"_s, u"95"_s, u"770"_s},
        {u"Hl"_s, u"холодец"_s, u"85"_s, u"180"_s},  {u"Sd"_s, u"селедка"_s, u"88"_s, u"220"_s},
        {u"Gb"_s, u"грибы"_s, u"75"_s, u"25"_s},     {u"Kp"_s, u"капуста"_s, u"70"_s, u"28"_s},
        {u"Ik"_s, u"икра"_s, u"60"_s, u"250"_s},     {u"Kt"_s, u"колбаса"_s, u"65"_s, u"300"_s},
        {u"Pm"_s, u"помидор"_s, u"55"_s, u"20"_s},   {u"Ol"_s, u"оливье"_s, u"80"_s, u"200"_s},
        {u"Hb"_s, u"хлеб"_s, u"40"_s, u"240"_s},     {u"Sr"_s, u"сыр"_s, u"45"_s, u"360"_s},
        {u"Lm"_s, u"лимон"_s, u"35"_s, u"30"_s},     {u"Kv"_s, u"картошка"_s, u"70"_s, u"80"_s},
        {u"Pl"_s, u"пельмени"_s, u"75"_s, u"275"_s}, {u"Rk"_s, u"рукав"_s, u"1"_s, u"0"_s},
    };
    return snacks;
}

const std::vector<PeriodicSideCell>& periodicRemedies() {
    static const std::vector<PeriodicSideCell> remedies{
        {u"Rs"_s, u"рассол"_s, u"99"_s, u"10"_s},   {u"Kf"_s, u"кефир"_s, u"70"_s, u"55"_s},
        {u"Ks"_s, u"квас"_s, u"60"_s, u"30"_s},     {u"Ti"_s, u"чефир"_s, {}, {}},
        {u"As"_s, u"аспирин"_s, u"75"_s, u"0"_s},   {u"Ug"_s, u"уголь"_s, u"50"_s, u"0"_s},
        {u"Mv"_s, u"минералка"_s, u"65"_s, u"0"_s}, {u"Bl"_s, u"бульон"_s, u"80"_s, u"15"_s},
        {u"Cf"_s, u"кофе"_s, u"55"_s, u"2"_s},      {u"Ta"_s, u"чай"_s, u"50"_s, u"1"_s},
        {u"Sp"_s, u"сон"_s, u"95"_s, u"0"_s},       {u"Dh"_s, u"душ"_s, u"60"_s, u"0"_s},
        {u"Ar"_s, u"айран"_s, u"65"_s, u"25"_s},    {u"Hs"_s, u"хаш"_s, u"90"_s, u"150"_s},
        {u"Ry"_s, u"рюмка"_s, u"100"_s, u"240"_s},  {u"Ok"_s, u"окрошка"_s, u"70"_s, u"60"_s},
    };
    return remedies;
}
