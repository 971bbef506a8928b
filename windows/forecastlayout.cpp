#include "forecastlayout.h"

#include "app/chartwidget.h"
#include "forecast/drinkcatalogue.h"
#include "forecast/eveningfields.h"
#include "forecast/eveningfile.h"
#include "forecast/limit.h"
#include "forecast/limittable.h"
#include "forecast/modelchoice.h"
#include "windows/drinkeditors.h"
#include "windows/forecastfield.h"
#include "windows/measurementspanel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A list as wide as its layout lets it be, from a few letters up: its longest entry would
// otherwise widen the window under a large font. The open list shows every entry whole.
QComboBox* narrowable(QComboBox* list) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(8);
    return list;
}

// A button whose long text is shortened with "…" to the width it is given, rather than widening
// the window; text() and the spoken name keep the whole of it.
class ElidedButton : public QPushButton {
public:
    explicit ElidedButton(QWidget* parent)
        : QPushButton(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const int room =
            style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width() -
            2 * style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
        option.text = fontMetrics().elidedText(text(), Qt::ElideRight, std::max(room, 0));
        painter.drawControl(QStyle::CE_PushButton, option);
    }
};

struct Builder {
    QWidget& window;
    QAbstractItemModel& drinks;
    ForecastControls& c;
    QHBoxLayout* drinkButtons = nullptr;

    QLineEdit* field(QWidget* parent, const QString& name, const QString& spoken);
    QLabel* problemLabel(QWidget* parent, QLineEdit* field);
    QWidget* buildDrinks();
    QWidget* buildPerson();
    QWidget* buildLimit();
    QWidget* buildAnswers();
};

// What each field must show whole, in any font: its widest likely entry.
QString widestEntry(const QString& field) {
    static const std::pair<const char*, const char16_t*> entries[] = {
        {"DrinkDate", u"09.12.2026"}, {"DrinkTime", u"23:59"},   {"DrinkGrams", u"1000,5"},
        {"DrinkStrength", u"12,5"},   {"DrinkMinutes", u"1440"}, {"BodyMass", u"120,5"},
        {"Height", u"250"},           {"Age", u"120"},           {"Rate", u"0,125"},
        {"SlowestRate", u"0,125"},    {"FastestRate", u"0,125"}, {"Deficit", u"12,5"},
        {"Absorption", u"180"},       {"OwnLimit", u"0,25"},     {"PlannedTime", u"23:59"},
    };
    for (const auto& [name, text] : entries)
        if (field == QLatin1String(name))
            return QString::fromUtf16(text);
    return {};
}

QLineEdit* Builder::field(QWidget* parent, const QString& name, const QString& spoken) {
    auto* edit = new ForecastField(parent);
    edit->setObjectName(name);
    edit->setWidestText(widestEntry(name), name == u"PlannedTime");
    edit->setMaxLength(int(EveningTextLimit)); // what the kept evening holds
    edit->setAccessibleName(spoken);
    return edit;
}

QLabel* Builder::problemLabel(QWidget* parent, QLineEdit* forField) {
    auto* label = new ProblemLine(parent);
    label->setObjectName(forField->objectName() + QStringLiteral("Problem"));
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
    layout->setRowStretch(0, 1); // the list takes what height the box has to spare

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
    auto* buttons = drinkButtons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(repeat);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons, 1, 0, 1, 6);

    // One click for a drink just poured: the evening's usual drinks, named by the window.
    auto* now = new QGridLayout;
    now->addWidget(new QLabel(QStringLiteral("Выпил сейчас:"), box), 0, 0);
    for (int i = 0; i < DrinkNowButtons; ++i) {
        auto* button = new ElidedButton(box);
        button->setObjectName(QStringLiteral("DrinkNow") + QString::number(i + 1));
        // One row, each shortened to its share: the box stays as low as a large font allows.
        now->addWidget(button, 0, 1 + i);
        c.drinkNow.append(button);
    }
    for (int i = 0; i < DrinkNowButtons; ++i)
        now->setColumnStretch(1 + i, 1);
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
    c.sex = narrowable(new QComboBox(box));
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
            auto* model = narrowable(new QComboBox(box));
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
    c.country = narrowable(new QComboBox(box));
    c.country->setObjectName(QStringLiteral("Country"));
    c.country->setAccessibleName(QStringLiteral("Страна"));
    for (const LimitEntry& entry : limittable::entries())
        c.country->addItem(entry.country, entry.id);
    c.country->addItem(QStringLiteral("свой предел"), QString());
    auto* countryLabel = new QLabel(QStringLiteral("С&трана"), box);
    countryLabel->setBuddy(c.country);
    layout->addWidget(countryLabel, 0, 0);
    layout->addWidget(c.country, 0, 1, 1, 2);

    auto* driver = narrowable(new QComboBox(box));
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
    question->setBuddy(planned);
    planner->addWidget(question);
    planner->addWidget(planned);
    planner->addWidget(new QLabel(QStringLiteral("?"), box));
    planner->addWidget(problemLabel(box, planned));
    planner->addStretch();
    layout->addLayout(planner);

    // The answer at a glance, above the rest.
    c.headline = new QLabel(box);
    c.headline->setObjectName(QStringLiteral("Headline"));
    c.headline->setWordWrap(true);
    c.headline->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont large = c.headline->font();
    large.setBold(true);
    if (large.pointSizeF() > 0)
        large.setPointSizeF(large.pointSizeF() * 1.3);
    else
        large.setPixelSize(qRound(large.pixelSize() * 1.3));
    c.headline->setFont(large);
    c.headline->hide();
    layout->addWidget(c.headline);

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

// A scroll area that scrolls only up and down: it is never narrower than its content.
class UpAndDown : public QScrollArea {
public:
    explicit UpAndDown(QWidget* parent)
        : QScrollArea(parent) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    QSize minimumSizeHint() const override {
        QSize size = QScrollArea::minimumSizeHint();
        if (widget())
            size.setWidth(widget()->minimumSizeHint().width() +
                          verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
        return size;
    }
};

// Keeps the window at least as wide as its content needs under the desktop's type: a large
// font widens the fields, and what does not fit would lie under the scroll bar, out of sight.
class WideEnough : public QObject {
public:
    explicit WideEnough(QWidget& window)
        : QObject(&window)
        , m_window(window)
        , m_floor(window.minimumWidth()) {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest && m_window.layout()) {
            const int need = std::max(m_floor, m_window.layout()->minimumSize().width());
            if (need != m_window.minimumWidth())
                m_window.setMinimumWidth(need);
        }
        return false;
    }

private:
    QWidget& m_window;
    int m_floor;
};

// `content` in a frameless scroll area: it fills the area, and scrolls only where the area is
// smaller than it can be, under a large font or in a small window.
QScrollArea* scrolling(QWidget* content, QScrollArea* area) {
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(content);
    return area;
}

// A widget to hold `layout`, without margins of its own.
QWidget* holding(QLayout* layout) {
    auto* w = new QWidget;
    layout->setContentsMargins(0, 0, 0, 0);
    w->setLayout(layout);
    return w;
}

} // namespace

ForecastControls layOutForecast(QWidget& window, QAbstractItemModel& drinks) {
    ForecastControls c;
    Builder build{window, drinks, c};
    for (auto [label, name] : {std::pair{&c.notice, "Notice"}, {&c.saveProblem, "SaveProblem"}}) {
        *label = new ProblemLine(&window);
        (*label)->setObjectName(QString::fromLatin1(name));
        (*label)->setWordWrap(true);
        (*label)->hide();
    }

    auto* top = new QHBoxLayout;
    top->addWidget(build.buildDrinks(), 3);
    top->addWidget(build.buildPerson(), 3);
    auto* bottom = new QHBoxLayout;
    c.chart = new ChartWidget(&window);
    c.chart->setObjectName(QStringLiteral("Chart"));
    // The readings, once there are any, under the chart their marks are on: the answers beside
    // it stay where they are.
    auto* measured = new QVBoxLayout;
    measured->addWidget(c.chart, 1);
    measured->addWidget(c.measurements = new MeasurementsPanel(&window));
    bottom->addLayout(measured, 3);
    // "Замер" at the end of the drinks' buttons, next in the keyboard's order too.
    build.drinkButtons->addWidget(c.measurements->addButton());
    QWidget::setTabOrder(c.remove, c.measurements->addButton());
    // The limit and the answers scroll on their own when the answers run longer than the chart
    // is high.
    auto* side = new QVBoxLayout;
    side->addWidget(build.buildLimit());
    side->addWidget(build.buildAnswers(), 1);
    bottom->addWidget(scrolling(holding(side), new UpAndDown(&window)), 2);
    // Both rows grow with the window: the list of drinks, and more so the chart.
    auto* content = new QVBoxLayout;
    content->addLayout(top, 2);
    content->addLayout(bottom, 3);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(c.notice);
    layout->addWidget(c.saveProblem);
    layout->addWidget(scrolling(holding(content), new UpAndDown(&window)), 1);
    new WideEnough(window);
    return c;
}

void showUsedFields(const ForecastControls& controls,
                    std::initializer_list<std::pair<const char*, bool>> fields) {
    QWidget* window = controls.table->window();
    for (const auto& [name, used] : fields) {
        auto* w = window->findChild<QWidget*>(QLatin1String(name));
        w->setVisible(used);
        if (QLabel* caption = controls.captions.value(w))
            caption->setVisible(used);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            if (QLabel* problem = controls.problems.value(edit))
                problem->setVisible(used);
    }
}

void showDrinkNames(const ForecastControls& controls, const QStringList& names) {
    for (int i = 0; i < controls.drinkNow.size(); ++i) {
        QPushButton* button = controls.drinkNow[i];
        button->setVisible(i < names.size());
        if (i >= names.size() || button->text() == names[i])
            continue;
        button->setText(names[i]);
        button->setAccessibleName(QStringLiteral("Выпил сейчас: ") + names[i]);
        button->setToolTip(QStringLiteral("Добавить «") + names[i] +
                           QStringLiteral("» со временем сейчас"));
    }
}
