#include "forecastlayout.h"

#include "app/chartwidget.h"
#include "forecast/drinkcatalogue.h"
#include "forecast/eveningfields.h"
#include "forecast/eveningfile.h"
#include "forecast/limit.h"
#include "forecast/limittable.h"
#include "forecast/modelchoice.h"
#include "windows/drinkeditors.h"
#include "windows/forecastlook.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

using forecastlook::ProblemColour;

namespace {

struct Builder {
    QWidget& window;
    QAbstractItemModel& drinks;
    ForecastControls& c;

    QLineEdit* field(QWidget* parent, const QString& name, const QString& spoken);
    QLabel* problemLabel(QWidget* parent, QLineEdit* field);
    QWidget* buildDrinks();
    QWidget* buildPerson();
    QWidget* buildLimit();
    QWidget* buildAnswers();
};

QLineEdit* Builder::field(QWidget* parent, const QString& name, const QString& spoken) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(int(EveningTextLimit)); // what the kept evening holds
    edit->setAccessibleName(spoken);
    return edit;
}

QLabel* Builder::problemLabel(QWidget* parent, QLineEdit* forField) {
    auto* label = new QLabel(parent);
    label->setObjectName(forField->objectName() + QStringLiteral("Problem"));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, ProblemColour);
    label->setPalette(p);
    c.problems.insert(forField, label);
    return label;
}

QWidget* Builder::buildDrinks() {
    auto* box = new QGroupBox(QStringLiteral("Напитки"), &window);
    auto* layout = new QGridLayout(box);

    auto* table = c.table = new QTableView(box);
    table->setModel(&drinks);
    table->setObjectName(QStringLiteral("Drinks"));
    table->setAccessibleName(QStringLiteral("Список напитков"));
    table->setItemDelegateForColumn(DrinksModel::StateColumn, new ProblemTextDelegate(table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(DrinksModel::DrinkColumn, QHeaderView::Stretch);
    table->setMinimumHeight(110);
    layout->addWidget(table, 0, 0, 1, 6);

    auto* add = new QPushButton(QStringLiteral("Добавить"), box);
    add->setObjectName(QStringLiteral("AddDrink"));
    add->setToolTip(QStringLiteral("Добавить напиток (Insert)"));
    c.add = add;
    auto* repeat = new QPushButton(QStringLiteral("&Ещё такой же"), box);
    repeat->setObjectName(QStringLiteral("RepeatDrink"));
    repeat->setAccessibleName(QStringLiteral("Ещё такой же напиток сейчас"));
    repeat->setToolTip(QStringLiteral("Добавить выбранный напиток ещё раз, со временем сейчас"));
    c.repeat = repeat;
    auto* remove = new QPushButton(QStringLiteral("Удалить"), box);
    remove->setObjectName(QStringLiteral("RemoveDrink"));
    remove->setToolTip(QStringLiteral("Удалить выбранный напиток (Delete в списке)"));
    c.remove = remove;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(repeat);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons, 1, 0, 1, 6);

    // One click for a drink just poured: the evening's usual drinks, named by the window.
    auto* now = new QGridLayout;
    now->addWidget(new QLabel(QStringLiteral("Выпил сейчас:"), box), 0, 0);
    for (int i = 0; i < DrinkNowButtons; ++i) {
        auto* button = new QPushButton(box);
        button->setObjectName(QStringLiteral("DrinkNow") + QString::number(i + 1));
        now->addWidget(button, i / 2, 1 + i % 2);
        c.drinkNow.append(button);
    }
    now->setColumnStretch(1, 1);
    now->setColumnStretch(2, 1);
    layout->addLayout(now, 2, 0, 1, 6);

    // The selected drink, field by field.
    auto addField = [&](int row, int column, const QString& caption, QWidget* w, int span = 1) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(w);
        layout->addWidget(label, row, column);
        layout->addWidget(w, row, column + 1, 1, span);
    };
    auto editor = [&](int column, const QString& spoken) {
        const QString name =
            column == DrinksModel::DateColumn
                ? QStringLiteral("DrinkDate")
                : QString::fromLatin1(eveningfields::DrinkTexts[column - 1].control);
        QLineEdit* edit = field(box, name, spoken);
        c.drinkEditors[column] = edit;
        return edit;
    };
    // Typed as text and read in core, so that an impossible date is marked, never moved to a
    // neighbouring day as a date editor would.
    QLineEdit* date = editor(DrinksModel::DateColumn, QStringLiteral("Дата напитка"));
    date->setPlaceholderText(QStringLiteral("ДД.ММ.ГГГГ"));
    date->setToolTip(QStringLiteral("Дата напитка, ДД.ММ.ГГГГ"));
    addField(3, 0, QStringLiteral("&Дата"), date);
    layout->addWidget(problemLabel(box, date), 4, 1);
    QLineEdit* time = editor(DrinksModel::TimeColumn, QStringLiteral("Время, ЧЧ:ММ"));
    time->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    addField(3, 2, QStringLiteral("&Время"), time);
    layout->addWidget(problemLabel(box, time), 4, 3, 1, 3);

    auto* drink = new QComboBox(box);
    drink->setObjectName(QStringLiteral("DrinkName"));
    drink->setAccessibleName(QStringLiteral("Напиток"));
    // Each group under its name. The names are headings only: the arrow keys and typing a
    // drink's first letters pass them by.
    auto* items = qobject_cast<QStandardItemModel*>(drink->model());
    QString group;
    for (const CatalogueDrink& d : drinkcatalogue::all()) {
        if (d.group != group) {
            group = d.group;
            drink->addItem(QStringLiteral("— ") + group + QStringLiteral(" —"));
            QStandardItem* heading = items->item(drink->count() - 1);
            heading->setFlags(Qt::NoItemFlags);
            QFont bold = drink->font();
            bold.setBold(true);
            heading->setFont(bold);
        }
        drink->addItem(d.name);
    }
    drink->insertSeparator(drink->count());
    drink->addItem(drinkcatalogue::ownDrink());
    drink->setToolTip(QStringLiteral("Напиток: выбор заполняет объём и крепость"));
    c.drinkEditors[DrinksModel::DrinkColumn] = drink;
    addField(5, 0, QStringLiteral("&Напиток"), drink, 5);

    QLineEdit* grams = editor(DrinksModel::GramsColumn, QStringLiteral("Объём напитка, мл"));
    grams->setToolTip(QStringLiteral("Объём в мл, или в литрах с «л»: 0,5 л"));
    addField(6, 0, QStringLiteral("&Объём, мл"), grams);
    layout->addWidget(problemLabel(box, grams), 7, 1);
    QLineEdit* strength = editor(DrinksModel::StrengthColumn, QStringLiteral("Крепость, %"));
    addField(6, 2, QStringLiteral("&Крепость, %"), strength);
    layout->addWidget(problemLabel(box, strength), 7, 3);
    QLineEdit* minutes = editor(DrinksModel::MinutesColumn, QStringLiteral("Сколько минут пили"));
    addField(6, 4, QStringLiteral("Пили, &мин"), minutes);
    layout->addWidget(problemLabel(box, minutes), 7, 5);

    return box;
}

QWidget* Builder::buildPerson() {
    auto* box = new QGroupBox(QStringLiteral("Человек и модель"), &window);
    auto* layout = new QGridLayout(box);
    // Two columns of label, field and problem: the body on the left, the rates on the right.
    auto place = [&](int row, int column, const QString& caption, QWidget* w) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(w);
        layout->addWidget(label, row, column * 3);
        layout->addWidget(w, row, column * 3 + 1);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            layout->addWidget(problemLabel(box, edit), row + 1, column * 3 + 1);
        c.captions.insert(w, label);
    };
    c.sex = new QComboBox(box);
    c.sex->setObjectName(QStringLiteral("Sex"));
    c.sex->setAccessibleName(QStringLiteral("Пол"));
    c.sex->addItems({QStringLiteral("муж"), QStringLiteral("жен")});
    place(0, 0, QStringLiteral("&Пол"), c.sex);
    const struct {
        int row, column;
        const char16_t* caption;
        const char* name;
        const char16_t* spoken;
    } fields[] = {
        {2, 0, u"&Масса, кг", "BodyMass", u"Масса тела, кг"},
        {4, 0, u"Моде&ль", "Model", u"Модель тела"},
        {6, 0, u"&Рост, см", "Height", u"Рост, см"},
        {8, 0, u"Во&зраст, лет", "Age", u"Возраст, лет"},
        {0, 1, u"&Выведение, ‰/ч", "Rate", u"Выведение, промилле в час"},
        {2, 1, u"медленнее всего", "SlowestRate", u"Самое медленное выведение, промилле в час"},
        {4, 1, u"быстрее всего", "FastestRate", u"Самое быстрое выведение, промилле в час"},
        {6, 1, u"Не всасывается, &%", "Deficit", u"Не всасывается, процентов"},
        {8, 1, u"Всасывание, м&ин", "Absorption", u"Время всасывания, минут"},
    };
    for (const auto& f : fields) {
        const QString name = QString::fromLatin1(f.name);
        QWidget* w = nullptr;
        if (name == u"Model") {
            auto* model = new QComboBox(box);
            model->setObjectName(name);
            model->setAccessibleName(QString::fromUtf16(f.spoken));
            for (const modelchoice::Choice& choice : modelchoice::all())
                model->addItem(choice.name, choice.key);
            w = model;
        } else {
            w = field(box, name, QString::fromUtf16(f.spoken));
        }
        place(f.row, f.column, QString::fromUtf16(f.caption), w);
    }
    layout->setColumnMinimumWidth(2, 8);
    layout->setRowStretch(10, 1);
    return box;
}

QWidget* Builder::buildLimit() {
    auto* box = new QGroupBox(QStringLiteral("Предел"), &window);
    auto* layout = new QGridLayout(box);
    c.country = new QComboBox(box);
    c.country->setObjectName(QStringLiteral("Country"));
    c.country->setAccessibleName(QStringLiteral("Страна"));
    for (const LimitEntry& entry : limittable::entries())
        c.country->addItem(entry.country, entry.id);
    c.country->addItem(QStringLiteral("свой предел"), QString());
    auto* countryLabel = new QLabel(QStringLiteral("С&трана"), box);
    countryLabel->setBuddy(c.country);
    layout->addWidget(countryLabel, 0, 0);
    layout->addWidget(c.country, 0, 1, 1, 2);

    auto* driver = new QComboBox(box);
    driver->setObjectName(QStringLiteral("Driver"));
    driver->setAccessibleName(QStringLiteral("Водитель"));
    driver->addItem(QStringLiteral("обычный"), QStringLiteral("general"));
    driver->addItem(QStringLiteral("начинающий"), QStringLiteral("novice"));
    driver->addItem(QStringLiteral("профессиональный"), QStringLiteral("professional"));
    auto* driverLabel = new QLabel(QStringLiteral("Водител&ь"), box);
    driverLabel->setBuddy(driver);
    layout->addWidget(driverLabel, 1, 0);
    layout->addWidget(driver, 1, 1, 1, 2);
    c.captions.insert(driver, driverLabel);

    c.ownLimit = field(box, QStringLiteral("OwnLimit"), QStringLiteral("Свой предел, промилле"));
    auto* ownLabel = new QLabel(QStringLiteral("Свой предел, ‰"), box);
    ownLabel->setBuddy(c.ownLimit);
    layout->addWidget(ownLabel, 2, 0);
    layout->addWidget(c.ownLimit, 2, 1);
    layout->addWidget(problemLabel(box, c.ownLimit), 2, 2);
    c.captions.insert(c.ownLimit, ownLabel);

    auto* help = new QPushButton(QStringLiteral("Справка о моделях и пределах"), box);
    help->setObjectName(QStringLiteral("Help"));
    c.help = help;
    layout->addWidget(help, 3, 0, 1, 3);
    return box;
}

QWidget* Builder::buildAnswers() {
    auto* box = new QWidget(&window);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* planner = new QHBoxLayout;
    auto* question = new QLabel(QStringLiteral("Можно ли за &руль в"), box);
    QLineEdit* planned =
        field(box, QStringLiteral("PlannedTime"), QStringLiteral("Можно ли за руль в, ЧЧ:ММ"));
    planned->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    planned->setMaximumWidth(70);
    question->setBuddy(planned);
    planner->addWidget(question);
    planner->addWidget(planned);
    planner->addWidget(new QLabel(QStringLiteral("?"), box));
    planner->addWidget(problemLabel(box, planned));
    planner->addStretch();
    layout->addLayout(planner);

    c.summary = new QLabel(box);
    c.summary->setObjectName(QStringLiteral("Summary"));
    c.summary->setWordWrap(true);
    c.summary->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    c.summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c.summary->setFocusPolicy(Qt::StrongFocus);
    c.summary->setAccessibleName(QStringLiteral("Прогноз"));
    layout->addWidget(c.summary, 1);

    auto* keep = new QGridLayout;
    const struct {
        const char* name;
        QString text;
    } buttons[] = {
        {"SaveReport", QStringLiteral("Сохранить отчёт…")},
        {"Print", QStringLiteral("Печать…")},
        {"SaveChart", QStringLiteral("Сохранить график (PNG)")},
        {"SaveData", QStringLiteral("Сохранить данные (CSV)")},
    };
    int index = 0;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text, box);
        button->setObjectName(QString::fromLatin1(b.name));
        keep->addWidget(button, index / 2, index % 2);
        c.keep.append(button);
        ++index;
    }
    layout->addLayout(keep);
    return box;
}

} // namespace

ForecastControls layOutForecast(QWidget& window, QAbstractItemModel& drinks) {
    ForecastControls c;
    Builder build{window, drinks, c};
    QPalette p = window.palette();
    p.setColor(QPalette::WindowText, ProblemColour);
    for (auto [label, name] : {std::pair{&c.notice, "Notice"}, {&c.saveProblem, "SaveProblem"}}) {
        *label = new QLabel(&window);
        (*label)->setObjectName(QString::fromLatin1(name));
        (*label)->setWordWrap(true);
        (*label)->setPalette(p);
        (*label)->hide();
    }

    auto* top = new QHBoxLayout;
    top->addWidget(build.buildDrinks(), 3);
    top->addWidget(build.buildPerson(), 3);
    auto* bottom = new QHBoxLayout;
    c.chart = new ChartWidget(&window);
    c.chart->setObjectName(QStringLiteral("Chart"));
    bottom->addWidget(c.chart, 3);
    auto* side = new QVBoxLayout;
    side->addWidget(build.buildLimit());
    side->addWidget(build.buildAnswers(), 1);
    bottom->addLayout(side, 2);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(c.notice);
    layout->addWidget(c.saveProblem);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);
    return c;
}
