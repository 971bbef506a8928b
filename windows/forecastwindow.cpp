#include "forecastwindow.h"

#include "app/application.h"
#include "app/chartwidget.h"
#include "app/clock.h"
#include "app/dialogs.h"
#include "app/services.h"
#include "app/timer.h"
#include "calc/numbertext.h"
#include "forecast/drinkcatalogue.h"
#include "forecast/eveningform.h"
#include "forecast/eveningstore.h"
#include "forecast/forecastexport.h"
#include "forecast/forecastinput.h"
#include "forecast/forecastsummary.h"
#include "forecast/limit.h"
#include "forecast/limittable.h"
#include "forecast/modelchoice.h"
#include "settings/profilefile.h"
#include "settings/settingslocation.h"
#include "windows/forecastchart.h"
#include "windows/forecastreport.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QShowEvent>
#include <QStandardPaths>
#include <QtPrintSupport/qtprintsupportglobal.h>
#if QT_CONFIG(printdialog)
#include <QPrintDialog>
#include <QPrinter>
#endif
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column {
    DateColumn,
    TimeColumn,
    DrinkColumn,
    GramsColumn,
    StrengthColumn,
    MinutesColumn,
    StateColumn,
    ColumnCount
};

const QColor ProblemColour(0xC0, 0, 0);

} // namespace

ForecastWindow::ForecastWindow(Application& app)
    : m_app(app) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Прогноз — алкоголь"));
    setMinimumSize(900, 620);
    resize(1100, 720);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("Notice"));
    m_notice->setWordWrap(true);
    QPalette p = m_notice->palette();
    p.setColor(QPalette::WindowText, ProblemColour);
    m_notice->setPalette(p);
    m_notice->hide();
    m_saveProblem = new QLabel(this);
    m_saveProblem->setObjectName(QStringLiteral("SaveProblem"));
    m_saveProblem->setWordWrap(true);
    m_saveProblem->setPalette(p);
    m_saveProblem->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(buildDrinks(), 3);
    top->addWidget(buildPerson(), 3);
    auto* bottom = new QHBoxLayout;
    m_chart = new ChartWidget(this);
    m_chart->setObjectName(QStringLiteral("Chart"));
    m_keeper = std::make_unique<ForecastKeeper>(this, m_app.services());
    bottom->addWidget(m_chart, 3);
    auto* side = new QVBoxLayout;
    side->addWidget(buildLimit());
    side->addWidget(buildAnswers(), 1);
    bottom->addLayout(side, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notice);
    layout->addWidget(m_saveProblem);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);

    // Insert adds a drink wherever the focus is; Delete removes one only from the table, so it
    // keeps deleting characters in the fields.
    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(insert, &QShortcut::activated, this, [this] { addRow(); });
    auto* remove = new QShortcut(QKeySequence(QKeySequence::Delete), m_table);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] { removeRow(); });

    m_nowTick = new Timer(m_app.services().clock, QStringLiteral("NowTimer"), 60 * 1000, this);
    // A closed window is only hidden: it moves its "сейчас" again when it is shown.
    m_nowTick->onTick([this] {
        if (isVisible()) {
            takeNewerEvening();
            recompute();
        }
    });
    m_nowTick->setEnabled(true);

    // The evening as it was left; a file that cannot be read is set aside, with one notice.
    const Services& services = m_app.services();
    const QDateTime now = services.clock.currentDateTime();
    m_store = std::make_unique<EveningStore>(
        forecastFilePath(services.programFolder, services.userConfigHome));
    const EveningStore::Loaded loaded = m_store->load(now);
    m_form = formOf(loaded.evening);
    m_keptEvening = !m_form.drinks.isEmpty();
    showNotice(loaded.notice);
    // The body mass the calculator remembers; the forecast reads it and never writes it.
    if (m_form.mass.isEmpty())
        m_form.mass =
            GetValueString(QStringLiteral("Вес"), QStringLiteral("p"),
                           settingsFilePath(services.programFolder, services.userConfigHome), {});
    m_built = true;
    showEvening();
}

void ForecastWindow::showEvening() {
    // The whole evening, with its last drink in the editors.
    showForm();
    if (!m_form.drinks.isEmpty())
        m_table->setCurrentCell(int(m_form.drinks.size()) - 1, TimeColumn);
    showRow(m_table->currentRow());
    recompute();
}

void ForecastWindow::showForm() {
    m_loading = true;
    m_table->setRowCount(0);
    for (int row = 0; row < m_form.drinks.size(); ++row) {
        m_table->insertRow(row);
        showRowInTable(row);
    }
    m_sex->setCurrentIndex(m_form.sex == Sex::Female ? 1 : 0);
    m_mass->setText(m_form.mass);
    m_model->setCurrentIndex(std::max(0, m_model->findData(m_form.model)));
    m_height->setText(m_form.height);
    m_age->setText(m_form.age);
    m_rate->setText(m_form.rate);
    m_slowest->setText(m_form.slowestRate);
    m_fastest->setText(m_form.fastestRate);
    m_deficit->setText(m_form.deficit);
    m_absorption->setText(m_form.absorption);
    m_planned->setText(m_form.planned);
    const int country =
        m_form.ownLimit ? m_country->count() - 1 : m_country->findData(m_form.country);
    m_country->setCurrentIndex(std::max(0, country));
    m_driver->setCurrentIndex(std::max(0, m_driver->findData(m_form.driverClass)));
    m_ownLimit->setText(m_form.customLimit);
    m_loading = false;
    showFieldsInUse();
}

void ForecastWindow::showFieldsInUse() {
    const QString model = m_model->currentData().toString();
    const bool own = m_country->currentIndex() == m_country->count() - 1;
    const std::pair<QWidget*, bool> fields[] = {
        {m_height, modelchoice::needsHeight(model)},
        {m_age, modelchoice::needsAge(model)},
        {m_ownLimit, own},
        {m_driver, !own},
    };
    for (const auto& [w, used] : fields) {
        w->setVisible(used);
        if (QLabel* caption = m_captions.value(w))
            caption->setVisible(used);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            if (QLabel* problem = m_problems.value(edit))
                problem->setVisible(used);
    }
}

void ForecastWindow::limitChosen() {
    const bool own = m_country->currentIndex() == m_country->count() - 1;
    // An own limit starts from the figure that applied so far, so the choice alone changes
    // no answer.
    if (own && !m_loading && m_ownLimit->text().trimmed().isEmpty()) {
        m_loading = true;
        m_ownLimit->setText(numbertext::decimalText(m_check.limit.effectivePromille()));
        m_loading = false;
    }
    showFieldsInUse();
    editorChanged();
}

void ForecastWindow::showHelp() {
    m_app.services().dialogs.message(this, modelchoice::helpText(m_check.limit),
                                     QStringLiteral("Справка"));
}

QLineEdit* ForecastWindow::field(QWidget* parent, const QString& name, const QString& spoken) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(int(EveningTextLimit)); // what the kept evening holds
    edit->setAccessibleName(spoken);
    connect(edit, &QLineEdit::textChanged, this, [this] { editorChanged(); });
    return edit;
}

QLabel* ForecastWindow::problemLabel(QWidget* parent, QLineEdit* forField) {
    auto* label = new QLabel(parent);
    label->setObjectName(forField->objectName() + QStringLiteral("Problem"));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, ProblemColour);
    label->setPalette(p);
    m_problems.insert(forField, label);
    return label;
}

QWidget* ForecastWindow::buildDrinks() {
    auto* box = new QGroupBox(QStringLiteral("Напитки"), this);
    auto* layout = new QGridLayout(box);

    m_table = new QTableWidget(0, ColumnCount, box);
    m_table->setObjectName(QStringLiteral("Drinks"));
    m_table->setAccessibleName(QStringLiteral("Список напитков"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Дата"), QStringLiteral("Время"),
                                        QStringLiteral("Напиток"), QStringLiteral("г"),
                                        QStringLiteral("%"), QStringLiteral("мин"), QString()});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(DrinkColumn, QHeaderView::Stretch);
    m_table->setMinimumHeight(110);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this] { rowSelected(); });
    layout->addWidget(m_table, 0, 0, 1, 6);

    auto* add = new QPushButton(QStringLiteral("Добавить"), box);
    add->setObjectName(QStringLiteral("AddDrink"));
    add->setToolTip(QStringLiteral("Добавить напиток (Insert)"));
    connect(add, &QPushButton::clicked, this, [this] { addRow(); });
    auto* remove = new QPushButton(QStringLiteral("Удалить"), box);
    remove->setObjectName(QStringLiteral("RemoveDrink"));
    remove->setToolTip(QStringLiteral("Удалить выбранный напиток (Delete в списке)"));
    connect(remove, &QPushButton::clicked, this, [this] { removeRow(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addLayout(buttons, 1, 0, 1, 6);

    // The selected drink, field by field.
    auto addField = [&](int row, int column, const QString& caption, QWidget* w) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(w);
        layout->addWidget(label, row, column);
        layout->addWidget(w, row, column + 1);
    };
    // Typed as text and read in core, so that an impossible date is marked, never moved to a
    // neighbouring day as a date editor would.
    m_date = field(box, QStringLiteral("DrinkDate"), QStringLiteral("Дата напитка"));
    m_date->setPlaceholderText(QStringLiteral("ДД.ММ.ГГГГ"));
    m_date->setToolTip(QStringLiteral("Дата напитка, ДД.ММ.ГГГГ"));
    addField(2, 0, QStringLiteral("&Дата"), m_date);
    layout->addWidget(problemLabel(box, m_date), 3, 1);
    m_time = field(box, QStringLiteral("DrinkTime"), QStringLiteral("Время, ЧЧ:ММ"));
    m_time->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    addField(2, 2, QStringLiteral("&Время"), m_time);
    layout->addWidget(problemLabel(box, m_time), 3, 3, 1, 3);

    m_drink = new QComboBox(box);
    m_drink->setObjectName(QStringLiteral("DrinkName"));
    m_drink->setAccessibleName(QStringLiteral("Напиток"));
    for (const CatalogueDrink& d : drinkcatalogue::all())
        m_drink->addItem(d.name);
    m_drink->addItem(drinkcatalogue::ownDrink());
    connect(m_drink, &QComboBox::activated, this, [this] { drinkPicked(); });
    addField(4, 0, QStringLiteral("&Напиток"), m_drink);
    layout->removeWidget(m_drink);
    layout->addWidget(m_drink, 4, 1, 1, 5);

    m_grams = field(box, QStringLiteral("DrinkGrams"), QStringLiteral("Граммы напитка"));
    addField(5, 0, QStringLiteral("&Граммы"), m_grams);
    layout->addWidget(problemLabel(box, m_grams), 6, 1);
    m_strength = field(box, QStringLiteral("DrinkStrength"), QStringLiteral("Крепость, %"));
    addField(5, 2, QStringLiteral("&Крепость, %"), m_strength);
    layout->addWidget(problemLabel(box, m_strength), 6, 3);
    m_duration = field(box, QStringLiteral("DrinkMinutes"), QStringLiteral("Сколько минут пили"));
    addField(5, 4, QStringLiteral("Пили, &мин"), m_duration);
    layout->addWidget(problemLabel(box, m_duration), 6, 5);
    return box;
}

QWidget* ForecastWindow::buildPerson() {
    auto* box = new QGroupBox(QStringLiteral("Человек и модель"), this);
    auto* layout = new QGridLayout(box);
    // Two columns of label, field and problem: the body on the left, the rates on the right.
    auto place = [&](int row, int column, const QString& caption, QWidget* w, QLabel* problem) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(w);
        layout->addWidget(label, row, column * 3);
        layout->addWidget(w, row, column * 3 + 1);
        if (problem)
            layout->addWidget(problem, row + 1, column * 3 + 1);
        m_captions.insert(w, label);
    };
    m_sex = new QComboBox(box);
    m_sex->setObjectName(QStringLiteral("Sex"));
    m_sex->setAccessibleName(QStringLiteral("Пол"));
    m_sex->addItems({QStringLiteral("муж"), QStringLiteral("жен")});
    connect(m_sex, &QComboBox::currentIndexChanged, this, [this] { editorChanged(); });
    place(0, 0, QStringLiteral("&Пол"), m_sex, nullptr);
    m_mass = field(box, QStringLiteral("BodyMass"), QStringLiteral("Масса тела, кг"));
    place(2, 0, QStringLiteral("&Масса, кг"), m_mass, problemLabel(box, m_mass));

    m_model = new QComboBox(box);
    m_model->setObjectName(QStringLiteral("Model"));
    m_model->setAccessibleName(QStringLiteral("Модель тела"));
    for (const modelchoice::Choice& choice : modelchoice::all())
        m_model->addItem(choice.name, choice.key);
    connect(m_model, &QComboBox::currentIndexChanged, this, [this] { editorChanged(); });
    place(4, 0, QStringLiteral("Моде&ль"), m_model, nullptr);
    m_height = field(box, QStringLiteral("Height"), QStringLiteral("Рост, см"));
    place(6, 0, QStringLiteral("&Рост, см"), m_height, problemLabel(box, m_height));
    m_age = field(box, QStringLiteral("Age"), QStringLiteral("Возраст, лет"));
    place(8, 0, QStringLiteral("Во&зраст, лет"), m_age, problemLabel(box, m_age));

    m_rate = field(box, QStringLiteral("Rate"), QStringLiteral("Выведение, промилле в час"));
    place(0, 1, QStringLiteral("&Выведение, ‰/ч"), m_rate, problemLabel(box, m_rate));
    m_slowest = field(box, QStringLiteral("SlowestRate"),
                      QStringLiteral("Самое медленное выведение, промилле в час"));
    place(2, 1, QStringLiteral("медленнее всего"), m_slowest, problemLabel(box, m_slowest));
    m_fastest = field(box, QStringLiteral("FastestRate"),
                      QStringLiteral("Самое быстрое выведение, промилле в час"));
    place(4, 1, QStringLiteral("быстрее всего"), m_fastest, problemLabel(box, m_fastest));
    m_deficit = field(box, QStringLiteral("Deficit"), QStringLiteral("Не всасывается, процентов"));
    place(6, 1, QStringLiteral("Не всасывается, &%"), m_deficit, problemLabel(box, m_deficit));
    m_absorption =
        field(box, QStringLiteral("Absorption"), QStringLiteral("Время всасывания, минут"));
    place(8, 1, QStringLiteral("Всасывание, м&ин"), m_absorption, problemLabel(box, m_absorption));
    layout->setColumnMinimumWidth(2, 8);
    layout->setRowStretch(10, 1);
    return box;
}

QWidget* ForecastWindow::buildLimit() {
    auto* box = new QGroupBox(QStringLiteral("Предел"), this);
    auto* layout = new QGridLayout(box);
    m_country = new QComboBox(box);
    m_country->setObjectName(QStringLiteral("Country"));
    m_country->setAccessibleName(QStringLiteral("Страна"));
    for (const LimitEntry& entry : limittable::entries())
        m_country->addItem(entry.country, entry.id);
    m_country->addItem(QStringLiteral("свой предел"), QString());
    connect(m_country, &QComboBox::currentIndexChanged, this, [this] { limitChosen(); });
    auto* countryLabel = new QLabel(QStringLiteral("С&трана"), box);
    countryLabel->setBuddy(m_country);
    layout->addWidget(countryLabel, 0, 0);
    layout->addWidget(m_country, 0, 1, 1, 2);

    m_driver = new QComboBox(box);
    m_driver->setObjectName(QStringLiteral("Driver"));
    m_driver->setAccessibleName(QStringLiteral("Водитель"));
    m_driver->addItem(QStringLiteral("обычный"), QStringLiteral("general"));
    m_driver->addItem(QStringLiteral("начинающий"), QStringLiteral("novice"));
    m_driver->addItem(QStringLiteral("профессиональный"), QStringLiteral("professional"));
    connect(m_driver, &QComboBox::currentIndexChanged, this, [this] { editorChanged(); });
    auto* driverLabel = new QLabel(QStringLiteral("Водител&ь"), box);
    driverLabel->setBuddy(m_driver);
    layout->addWidget(driverLabel, 1, 0);
    layout->addWidget(m_driver, 1, 1, 1, 2);
    m_captions.insert(m_driver, driverLabel);

    m_ownLimit = field(box, QStringLiteral("OwnLimit"), QStringLiteral("Свой предел, промилле"));
    auto* ownLabel = new QLabel(QStringLiteral("Свой предел, ‰"), box);
    ownLabel->setBuddy(m_ownLimit);
    layout->addWidget(ownLabel, 2, 0);
    layout->addWidget(m_ownLimit, 2, 1);
    layout->addWidget(problemLabel(box, m_ownLimit), 2, 2);
    m_captions.insert(m_ownLimit, ownLabel);

    auto* help = new QPushButton(QStringLiteral("Справка о моделях и пределах"), box);
    help->setObjectName(QStringLiteral("Help"));
    connect(help, &QPushButton::clicked, this, [this] { showHelp(); });
    layout->addWidget(help, 3, 0, 1, 3);
    return box;
}

QWidget* ForecastWindow::buildAnswers() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* planner = new QHBoxLayout;
    auto* question = new QLabel(QStringLiteral("Можно ли за &руль в"), box);
    m_planned =
        field(box, QStringLiteral("PlannedTime"), QStringLiteral("Можно ли за руль в, ЧЧ:ММ"));
    m_planned->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    m_planned->setMaximumWidth(70);
    question->setBuddy(m_planned);
    planner->addWidget(question);
    planner->addWidget(m_planned);
    planner->addWidget(new QLabel(QStringLiteral("?"), box));
    planner->addWidget(problemLabel(box, m_planned));
    planner->addStretch();
    layout->addLayout(planner);

    m_summaryLabel = new QLabel(box);
    m_summaryLabel->setObjectName(QStringLiteral("Summary"));
    m_summaryLabel->setWordWrap(true);
    m_summaryLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                            Qt::TextSelectableByKeyboard);
    m_summaryLabel->setFocusPolicy(Qt::StrongFocus);
    m_summaryLabel->setAccessibleName(QStringLiteral("Прогноз"));
    layout->addWidget(m_summaryLabel, 1);

    auto* keep = new QGridLayout;
    const struct {
        const char* name;
        QString text;
        void (ForecastWindow::*action)();
    } buttons[] = {
        {"SaveReport", QStringLiteral("Сохранить отчёт…"), &ForecastWindow::saveReport},
        {"Print", QStringLiteral("Печать…"), &ForecastWindow::print},
        {"SaveChart", QStringLiteral("Сохранить график (PNG)"), &ForecastWindow::saveChart},
        {"SaveData", QStringLiteral("Сохранить данные (CSV)"), &ForecastWindow::saveData},
    };
    int index = 0;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.text, box);
        button->setObjectName(QString::fromLatin1(b.name));
        connect(button, &QPushButton::clicked, this,
                [this, action = b.action] { (this->*action)(); });
        keep->addWidget(button, index / 2, index % 2);
        m_keepButtons.append(button);
        ++index;
    }
    layout->addLayout(keep);
    return box;
}

// --- the drink table --------------------------------------------------------------------------

void ForecastWindow::addRow() {
    // As many as the kept evening can hold: far beyond any evening.
    if (m_form.drinks.size() >= EveningDrinkLimit)
        return;
    DrinkEntry entry;
    const QDateTime now = m_app.services().clock.currentDateTime();
    entry.date = now.date();
    entry.time = now.time().toString(QStringLiteral("HH:mm"));
    entry.drink = QStringLiteral("Водка 40%");
    entry.strength = drinkcatalogue::strengthOf(entry.drink);
    m_form.drinks.append(entry);
    const int row = int(m_form.drinks.size()) - 1;
    m_table->insertRow(row);
    showRowInTable(row);
    m_table->setCurrentCell(row, TimeColumn);
    changed();
    m_time->setFocus(Qt::OtherFocusReason);
    m_time->selectAll();
}

void ForecastWindow::removeRow() {
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_form.drinks.size())
        return;
    m_form.drinks.removeAt(row);
    m_table->removeRow(row);
    rowSelected();
    changed();
}

void ForecastWindow::rowSelected() {
    showRow(m_table->currentRow());
}

void ForecastWindow::showRow(int row) {
    const bool has = row >= 0 && row < m_form.drinks.size();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_date, m_time, m_drink, m_grams, m_strength, m_duration})
        w->setEnabled(has);
    m_loading = true;
    if (has) {
        const DrinkEntry& e = m_form.drinks[row];
        m_date->setText(forecastinput::dateText(e.date));
        m_time->setText(e.time);
        const int index = m_drink->findText(e.drink);
        m_drink->setCurrentIndex(index >= 0 ? index : m_drink->count() - 1);
        m_grams->setText(e.grams);
        m_strength->setText(e.strength);
        m_duration->setText(e.duration);
    } else {
        for (QLineEdit* e : {m_date, m_time, m_grams, m_strength, m_duration})
            e->clear();
    }
    m_loading = false;
    showProblems();
}

void ForecastWindow::showRowInTable(int row) {
    const DrinkEntry& e = m_form.drinks[row];
    const QString texts[] = {
        e.date.toString(QStringLiteral("dd.MM")), e.time, e.drink, e.grams, e.strength, e.duration};
    for (int c = 0; c < StateColumn; ++c) {
        auto* item = m_table->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            m_table->setItem(row, c, item);
        }
        item->setText(texts[c]);
    }
}

void ForecastWindow::drinkPicked() {
    // A listed drink brings its strength; "свой" keeps what is typed.
    const QString strength = drinkcatalogue::strengthOf(m_drink->currentText());
    if (!strength.isEmpty())
        m_strength->setText(strength);
    editorChanged();
}

void ForecastWindow::editorChanged() {
    if (m_loading || !m_built)
        return;
    const int row = m_table->currentRow();
    if (row >= 0 && row < m_form.drinks.size()) {
        DrinkEntry& e = m_form.drinks[row];
        // A date that is not one leaves the row without a date until it is mended.
        e.date = forecastinput::date(m_date->text()).value.value_or(QDate());
        e.time = m_time->text();
        e.drink = m_drink->currentText();
        e.grams = m_grams->text();
        e.strength = m_strength->text();
        e.duration = m_duration->text();
        showRowInTable(row);
    }
    m_form.sex = m_sex->currentIndex() == 1 ? Sex::Female : Sex::Male;
    m_form.mass = m_mass->text();
    m_form.rate = m_rate->text();
    m_form.slowestRate = m_slowest->text();
    m_form.fastestRate = m_fastest->text();
    m_form.deficit = m_deficit->text();
    m_form.absorption = m_absorption->text();
    m_form.planned = m_planned->text();
    m_form.model = m_model->currentData().toString();
    m_form.height = m_height->text();
    m_form.age = m_age->text();
    m_form.ownLimit = m_country->currentIndex() == m_country->count() - 1;
    if (!m_form.ownLimit)
        m_form.country = m_country->currentData().toString();
    m_form.driverClass = m_driver->currentData().toString();
    m_form.customLimit = m_ownLimit->text();
    showFieldsInUse();
    changed();
}

void ForecastWindow::changed() {
    recompute();
    keep();
}

void ForecastWindow::keep() {
    // Kept on every change. A write that fails is said until one succeeds; the next change
    // tries again, and the evening stays in the window meanwhile.
    const EveningStore::Saved saved =
        m_store->save(savedEvening(m_form), m_app.services().clock.currentDateTime());
    m_unsaved = !saved.ok;
    const QString problem =
        saved.ok ? QString() : QStringLiteral("Вечер не сохранён: ") + saved.problem;
    if (m_saveProblem->text() != problem) {
        m_saveProblem->setText(problem);
        m_saveProblem->setAccessibleName(problem);
        m_saveProblem->setVisible(!problem.isEmpty());
    }
    if (!saved.setAside.isEmpty())
        showNotice(QStringLiteral("Файл прогноза менялся в другом окне программы; тот вечер "
                                  "сохранён как ") +
                   saved.setAside);
}

void ForecastWindow::showNotice(const QString& text) {
    m_notice->setText(text);
    m_notice->setAccessibleName(text);
    m_notice->setVisible(!text.isEmpty());
}

void ForecastWindow::takeNewerEvening() {
    // What another copy of the program kept since is shown, unless this window holds changes
    // it could not keep: those are written first, and the other evening is set aside then.
    if (m_unsaved)
        return;
    const std::optional<SavedEvening> newer =
        m_store->newer(m_app.services().clock.currentDateTime());
    if (!newer)
        return;
    ForecastForm form = formOf(*newer);
    if (form == m_form)
        return;
    m_form = std::move(form);
    showEvening();
    showNotice(QStringLiteral("Показан вечер, сохранённый в другом окне программы"));
}

void ForecastWindow::takeOver(const CalculatorHandover& handover, bool fresh) {
    if (handover.drink) {
        const bool known =
            std::any_of(m_form.drinks.begin(), m_form.drinks.end(), [&](const DrinkEntry& e) {
                return e.date == handover.drink->date && e.time == handover.drink->time &&
                       e.grams == handover.drink->grams && e.strength == handover.drink->strength;
            });
        if (!known) {
            m_form.drinks.append(*handover.drink);
            const int row = int(m_form.drinks.size()) - 1;
            m_table->insertRow(row);
            showRowInTable(row);
            m_table->setCurrentCell(row, TimeColumn);
        }
    }
    if (fresh && !m_keptEvening) {
        m_loading = true;
        m_sex->setCurrentIndex(handover.sex == Sex::Female ? 1 : 0);
        if (!handover.mass.isEmpty())
            m_mass->setText(handover.mass);
        if (!handover.rate.isEmpty()) {
            m_rate->setText(handover.rate);
            m_slowest->setText(handover.slowestRate);
            m_fastest->setText(handover.fastestRate);
        }
        m_loading = false;
    }
    rowSelected();
    editorChanged();
}

// --- answers ----------------------------------------------------------------------------------

void ForecastWindow::recompute() {
    const QDateTime now = m_app.services().clock.currentDateTime();
    m_check = checkForecastForm(m_form, now);
    const Limit& limit = m_check.limit;
    showProblems();

    m_summary = forecastsummary::shown(m_form, m_check, now);
    m_chart->clear();
    if (m_check.ok())
        m_chart->setDescription(
            forecastchart::describe(*m_check.forecast, limit.effectivePromille(), now));
    else
        m_chart->setEmptyText(m_summary.constFirst());
    m_summaryLabel->setText(m_summary.join(u'\n'));
    for (QWidget* button : m_keepButtons)
        button->setEnabled(m_check.ok());
    // The chart is never the only carrier: a screen reader reads the answers from it too.
    m_chart->setAccessibleDescription(m_summary.join(u' '));
}

void ForecastWindow::setProblem(QLineEdit* edit, const QString& problem) {
    if (QLabel* label = m_problems.value(edit))
        label->setText(problem);
    edit->setAccessibleDescription(problem);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base,
               problem.isEmpty() ? palette().color(QPalette::Base) : QColor(0xFF, 0xE4, 0xE4));
    edit->setPalette(p);
}

void ForecastWindow::showProblems() {
    const int row = m_table->currentRow();
    const bool has = row >= 0 && row < m_check.drinks.size();
    const DrinkEntryCheck none;
    const DrinkEntryCheck& d = has ? m_check.drinks[row] : none;
    // What is typed and not yet a date says why, before the row's own check does.
    const QString typed = m_date->text().trimmed().isEmpty()
                              ? QString()
                              : forecastinput::date(m_date->text()).problem;
    setProblem(m_date, typed.isEmpty() ? d.date : typed);
    setProblem(m_time, d.time);
    setProblem(m_grams, d.grams);
    setProblem(m_strength, d.strength);
    setProblem(m_duration, d.duration);
    setProblem(m_mass, m_check.mass);
    setProblem(m_rate, m_check.rate);
    setProblem(m_slowest, m_check.slowestRate);
    setProblem(m_fastest, m_check.fastestRate);
    setProblem(m_deficit, m_check.deficit);
    setProblem(m_absorption, m_check.absorption);
    setProblem(m_planned, m_check.planned);
    setProblem(m_height, m_check.height);
    setProblem(m_age, m_check.age);
    setProblem(m_ownLimit, m_check.customLimit);

    // A row that needs a look says so in the table, in words.
    for (int r = 0; r < m_table->rowCount() && r < m_check.drinks.size(); ++r) {
        auto* item = m_table->item(r, StateColumn);
        if (!item) {
            item = new QTableWidgetItem;
            m_table->setItem(r, StateColumn, item);
        }
        item->setText(m_check.drinks[r].ok() ? QString() : QStringLiteral("проверьте"));
        item->setForeground(ProblemColour);
    }
}

void ForecastWindow::showEvent(QShowEvent* event) {
    if (m_built) {
        takeNewerEvening();
        recompute();
    }
    QWidget::showEvent(event);
}

void ForecastWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_built)
        takeNewerEvening();
    QWidget::changeEvent(event);
}

void ForecastWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides: the evening typed so far is there at the next opening.
    event->accept();
}

// --- keeping the answer -----------------------------------------------------------------------

void ForecastWindow::saveReport() {
    m_keeper->saveReport(m_form, m_check);
}

void ForecastWindow::saveChart() {
    m_keeper->saveChart(m_check, m_chart->description(), m_chart->size());
}

void ForecastWindow::saveData() {
    m_keeper->saveData(m_check);
}

void ForecastWindow::print() {
    m_keeper->print(m_form, m_check);
}
