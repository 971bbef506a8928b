#include "forecastwindow.h"

#include "app/application.h"
#include "app/chartwidget.h"
#include "app/clock.h"
#include "app/dialogs.h"
#include "app/services.h"
#include "app/timer.h"
#include "calc/numbertext.h"
#include "forecast/drinkcatalogue.h"
#include "forecast/drinksmodel.h"
#include "forecast/eveningfields.h"
#include "forecast/forecastexport.h"
#include "forecast/forecastsummary.h"
#include "forecast/limit.h"
#include "forecast/limittable.h"
#include "forecast/modelchoice.h"
#include "settings/profilefile.h"
#include "settings/settingslocation.h"
#include "windows/drinkeditors.h"
#include "windows/forecastchart.h"
#include "windows/forecastlook.h"
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
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

using forecastlook::ProblemColour;

namespace {
// A change is written this long after the last one: typing is not written key by key.
constexpr int KeepAfterMs = 1000;
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
    m_chart->setLeftAxis(QStringLiteral("‰"));
    m_chart->setRightAxis(QStringLiteral("мг/л выдох"), Limit::BreathPerPromille);
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
    bindFields();

    // Insert adds a drink wherever the focus is; Delete removes one only from the table, so it
    // keeps deleting characters in the fields.
    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(insert, &QShortcut::activated, this, [this] { addRow(); });
    auto* remove = new QShortcut(QKeySequence(QKeySequence::Delete), m_table);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] { removeRow(); });

    Clock& clock = m_app.services().clock;
    m_nowTick = new Timer(clock, QStringLiteral("NowTimer"), 60 * 1000, this);
    // A closed window is only hidden: it moves its "сейчас" again when it is shown.
    m_nowTick->onTick([this] {
        if (isVisible()) {
            takeNewerEvening();
            recompute();
        }
    });
    m_nowTick->setEnabled(true);
    m_saveTick = new Timer(clock, QStringLiteral("SaveTimer"), KeepAfterMs, this);
    m_saveTick->onTick([this] { keep(); });

    // The evening as it was left; a file that cannot be read is set aside, with one notice.
    const Services& services = m_app.services();
    m_store = std::make_unique<EveningStore>(
        forecastFilePath(services.programFolder, services.userConfigHome));
    const EveningStore::Loaded loaded = m_store->load(clock.currentDateTime());
    m_form = loaded.evening;
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

ForecastWindow::~ForecastWindow() {
    keep(); // a change typed just before the program ends
}

void ForecastWindow::bindFields() {
    // Each field writes its own member of the evening; a value the program puts there itself
    // is put with the field's signals blocked.
    for (const eveningfields::Field& field : eveningfields::EveningTexts) {
        QWidget* control = findChild<QWidget*>(QLatin1String(field.control));
        Q_ASSERT(control);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            connect(edit, &QLineEdit::textChanged, this, [this, &field](const QString& text) {
                m_form.*field.member = text;
                changed();
            });
        } else if (auto* list = qobject_cast<QComboBox*>(control); list && list != m_country) {
            connect(list, &QComboBox::currentIndexChanged, this, [this, &field, list] {
                m_form.*field.member = list->currentData().toString();
                showFieldsInUse();
                changed();
            });
        }
    }
    connect(m_sex, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.sex = index == 1 ? Sex::Female : Sex::Male;
        changed();
    });
    connect(m_country, &QComboBox::currentIndexChanged, this, [this] { limitChosen(); });
}

void ForecastWindow::showEvening() {
    showFields();
    // The whole evening, with its last drink in the editors.
    m_drinks->setDrinks(m_form.drinks);
    if (!m_form.drinks.isEmpty())
        m_table->setCurrentIndex(
            m_drinks->index(m_drinks->rowCount() - 1, DrinksModel::TimeColumn));
    rowSelected();
    recompute();
}

void ForecastWindow::showFields() {
    for (const eveningfields::Field& field : eveningfields::EveningTexts) {
        QWidget* control = findChild<QWidget*>(QLatin1String(field.control));
        const QSignalBlocker quiet(control);
        const QString& value = m_form.*field.member;
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(value);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            list->setCurrentIndex(std::max(0, list->findData(value)));
    }
    {
        const QSignalBlocker quiet(m_sex);
        m_sex->setCurrentIndex(m_form.sex == Sex::Female ? 1 : 0);
    }
    if (m_form.ownLimit) {
        const QSignalBlocker quiet(m_country);
        m_country->setCurrentIndex(m_country->count() - 1);
    }
    showFieldsInUse();
}

void ForecastWindow::showFieldsInUse() {
    const bool own = m_country->currentIndex() == m_country->count() - 1;
    const std::pair<const char*, bool> fields[] = {
        {"Height", modelchoice::needsHeight(m_form.model)},
        {"Age", modelchoice::needsAge(m_form.model)},
        {"OwnLimit", own},
        {"Driver", !own},
    };
    for (const auto& [name, used] : fields) {
        auto* w = findChild<QWidget*>(QLatin1String(name));
        w->setVisible(used);
        if (QLabel* caption = m_captions.value(w))
            caption->setVisible(used);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            if (QLabel* problem = m_problems.value(edit))
                problem->setVisible(used);
    }
}

void ForecastWindow::limitChosen() {
    m_form.ownLimit = m_country->currentIndex() == m_country->count() - 1;
    if (!m_form.ownLimit)
        m_form.country = m_country->currentData().toString();
    // An own limit starts from the figure that applied so far, so the choice alone changes
    // no answer.
    if (m_form.ownLimit && m_form.customLimit.trimmed().isEmpty()) {
        m_form.customLimit = numbertext::decimalText(m_check.limit.effectivePromille());
        const QSignalBlocker quiet(m_ownLimit);
        m_ownLimit->setText(m_form.customLimit);
    }
    showFieldsInUse();
    changed();
}

QLineEdit* ForecastWindow::field(QWidget* parent, const QString& name, const QString& spoken) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(int(EveningTextLimit)); // what the kept evening holds
    edit->setAccessibleName(spoken);
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

    m_drinks = new DrinksModel(this);
    m_table = new QTableView(box);
    m_table->setObjectName(QStringLiteral("Drinks"));
    m_table->setAccessibleName(QStringLiteral("Список напитков"));
    m_table->setModel(m_drinks);
    m_table->setItemDelegateForColumn(DrinksModel::StateColumn, new ProblemTextDelegate(m_table));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(DrinksModel::DrinkColumn,
                                                      QHeaderView::Stretch);
    m_table->setMinimumHeight(110);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowSelected(); });
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

    // The selected drink, field by field: the mapper shows the current row in the editors, and
    // every change goes into the model at once.
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_drinks);
    m_mapper->setItemDelegate(new DrinkEditorsDelegate(m_mapper));
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
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
        m_mapper->addMapping(edit, column);
        connect(edit, &QLineEdit::textChanged, this, [this] {
            m_mapper->submit();
            changed();
        });
        return edit;
    };
    // Typed as text and read in core, so that an impossible date is marked, never moved to a
    // neighbouring day as a date editor would.
    QLineEdit* date = editor(DrinksModel::DateColumn, QStringLiteral("Дата напитка"));
    date->setPlaceholderText(QStringLiteral("ДД.ММ.ГГГГ"));
    date->setToolTip(QStringLiteral("Дата напитка, ДД.ММ.ГГГГ"));
    addField(2, 0, QStringLiteral("&Дата"), date);
    layout->addWidget(problemLabel(box, date), 3, 1);
    QLineEdit* time = editor(DrinksModel::TimeColumn, QStringLiteral("Время, ЧЧ:ММ"));
    time->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    addField(2, 2, QStringLiteral("&Время"), time);
    layout->addWidget(problemLabel(box, time), 3, 3, 1, 3);

    auto* drink = new QComboBox(box);
    drink->setObjectName(QStringLiteral("DrinkName"));
    drink->setAccessibleName(QStringLiteral("Напиток"));
    for (const CatalogueDrink& d : drinkcatalogue::all())
        drink->addItem(d.name);
    drink->addItem(drinkcatalogue::ownDrink());
    m_mapper->addMapping(drink, DrinksModel::DrinkColumn);
    addField(4, 0, QStringLiteral("&Напиток"), drink, 5);

    QLineEdit* grams = editor(DrinksModel::GramsColumn, QStringLiteral("Граммы напитка"));
    addField(5, 0, QStringLiteral("&Граммы"), grams);
    layout->addWidget(problemLabel(box, grams), 6, 1);
    QLineEdit* strength = editor(DrinksModel::StrengthColumn, QStringLiteral("Крепость, %"));
    addField(5, 2, QStringLiteral("&Крепость, %"), strength);
    layout->addWidget(problemLabel(box, strength), 6, 3);
    QLineEdit* minutes = editor(DrinksModel::MinutesColumn, QStringLiteral("Сколько минут пили"));
    addField(5, 4, QStringLiteral("Пили, &мин"), minutes);
    layout->addWidget(problemLabel(box, minutes), 6, 5);

    // A listed drink brings its strength; "свой" keeps what is typed.
    connect(drink, &QComboBox::activated, this, [this, drink, strength] {
        const QString known = drinkcatalogue::strengthOf(drink->currentText());
        if (!known.isEmpty()) {
            const QSignalBlocker quiet(strength);
            strength->setText(known);
        }
        m_mapper->submit();
        changed();
    });
    return box;
}

QWidget* ForecastWindow::buildPerson() {
    auto* box = new QGroupBox(QStringLiteral("Человек и модель"), this);
    auto* layout = new QGridLayout(box);
    // Two columns of label, field and problem: the body on the left, the rates on the right.
    auto place = [&](int row, int column, const QString& caption, QWidget* w) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(w);
        layout->addWidget(label, row, column * 3);
        layout->addWidget(w, row, column * 3 + 1);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            layout->addWidget(problemLabel(box, edit), row + 1, column * 3 + 1);
        m_captions.insert(w, label);
    };
    m_sex = new QComboBox(box);
    m_sex->setObjectName(QStringLiteral("Sex"));
    m_sex->setAccessibleName(QStringLiteral("Пол"));
    m_sex->addItems({QStringLiteral("муж"), QStringLiteral("жен")});
    place(0, 0, QStringLiteral("&Пол"), m_sex);
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
            m_model = new QComboBox(box);
            m_model->setObjectName(name);
            m_model->setAccessibleName(QString::fromUtf16(f.spoken));
            for (const modelchoice::Choice& choice : modelchoice::all())
                m_model->addItem(choice.name, choice.key);
            w = m_model;
        } else {
            w = field(box, name, QString::fromUtf16(f.spoken));
        }
        place(f.row, f.column, QString::fromUtf16(f.caption), w);
    }
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
    auto* countryLabel = new QLabel(QStringLiteral("С&трана"), box);
    countryLabel->setBuddy(m_country);
    layout->addWidget(countryLabel, 0, 0);
    layout->addWidget(m_country, 0, 1, 1, 2);

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
    m_captions.insert(driver, driverLabel);

    m_ownLimit = field(box, QStringLiteral("OwnLimit"), QStringLiteral("Свой предел, промилле"));
    auto* ownLabel = new QLabel(QStringLiteral("Свой предел, ‰"), box);
    ownLabel->setBuddy(m_ownLimit);
    layout->addWidget(ownLabel, 2, 0);
    layout->addWidget(m_ownLimit, 2, 1);
    layout->addWidget(problemLabel(box, m_ownLimit), 2, 2);
    m_captions.insert(m_ownLimit, ownLabel);

    auto* help = new QPushButton(QStringLiteral("Справка о моделях и пределах"), box);
    help->setObjectName(QStringLiteral("Help"));
    connect(help, &QPushButton::clicked, this, [this] {
        m_app.services().dialogs.message(this, modelchoice::helpText(m_check.limit),
                                         QStringLiteral("Справка"));
    });
    layout->addWidget(help, 3, 0, 1, 3);
    return box;
}

QWidget* ForecastWindow::buildAnswers() {
    auto* box = new QWidget(this);
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

// --- the drinks -------------------------------------------------------------------------------

void ForecastWindow::addRow() {
    // As many as the kept evening can hold: far beyond any evening.
    const int row =
        m_drinks->append(drinkcatalogue::newDrink(m_app.services().clock.currentDateTime()));
    if (row < 0)
        return;
    m_table->setCurrentIndex(m_drinks->index(row, DrinksModel::TimeColumn));
    changed();
    auto* time = qobject_cast<QLineEdit*>(m_mapper->mappedWidgetAt(DrinksModel::TimeColumn));
    time->setFocus(Qt::OtherFocusReason);
    time->selectAll();
}

void ForecastWindow::removeRow() {
    const int row = m_table->currentIndex().row();
    if (row < 0 || !m_drinks->removeRow(row))
        return;
    rowSelected();
    changed();
}

void ForecastWindow::rowSelected() {
    const int row = m_table->currentIndex().row();
    const bool has = row >= 0 && row < m_drinks->rowCount();
    for (int column = 0; column < DrinksModel::StateColumn; ++column) {
        QWidget* editor = m_mapper->mappedWidgetAt(column);
        editor->setEnabled(has);
        if (!has)
            if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
                const QSignalBlocker quiet(edit);
                edit->clear();
            }
    }
    m_mapper->setCurrentIndex(has ? row : -1);
    showProblems();
}

void ForecastWindow::takeOver(const CalculatorHandover& handover, bool fresh) {
    // The rows stay as they are, with what was typed into them; a new drink goes last.
    if (const std::optional<int> added = ::takeOver(m_form, handover, fresh && !m_keptEvening)) {
        m_drinks->append(m_form.drinks.constLast());
        m_table->setCurrentIndex(m_drinks->index(*added, DrinksModel::TimeColumn));
    }
    showFields();
    rowSelected();
    changed();
}

// --- keeping the evening ------------------------------------------------------------------------

void ForecastWindow::changed() {
    m_form.drinks = m_drinks->drinks();
    recompute();
    // Written a moment after the last change, through the program's clock; the timer starts
    // anew with every change.
    m_waiting = true;
    m_saveTick->setEnabled(false);
    m_saveTick->setEnabled(true);
}

void ForecastWindow::keep() {
    m_saveTick->setEnabled(false);
    if (!m_waiting)
        return;
    m_waiting = false;
    // A write that fails is said until one succeeds; the next change tries again, and the
    // evening stays in the window meanwhile.
    const EveningStore::Saved saved =
        m_store->save(m_form, m_app.services().clock.currentDateTime());
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
    keep();
    if (m_unsaved)
        return;
    std::optional<Evening> newer = m_store->newer(m_app.services().clock.currentDateTime());
    if (!newer || *newer == m_form)
        return;
    m_form = std::move(*newer);
    showEvening();
    showNotice(QStringLiteral("Показан вечер, сохранённый в другом окне программы"));
}

// --- answers ----------------------------------------------------------------------------------

void ForecastWindow::recompute() {
    const QDateTime now = m_app.services().clock.currentDateTime();
    m_check = checkEvening(m_form, now);
    m_drinks->setChecks(m_check.drinks);
    showProblems();
    m_summary = forecastsummary::shown(m_form, m_check, now);
    m_chart->clear();
    if (m_check.ok())
        forecastchart::show(*m_chart, *m_check.forecast, m_check.limit.effectivePromille(), now);
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
               problem.isEmpty() ? palette().color(QPalette::Base) : forecastlook::ProblemField);
    edit->setPalette(p);
}

void ForecastWindow::showProblems() {
    for (const eveningfields::Field& field : eveningfields::EveningTexts)
        if (auto* edit = findChild<QLineEdit*>(QLatin1String(field.control)); edit && field.problem)
            setProblem(edit, m_check.*field.problem);
    const int row = m_table->currentIndex().row();
    for (int column = 0; column < DrinksModel::StateColumn; ++column)
        if (auto* edit = qobject_cast<QLineEdit*>(m_mapper->mappedWidgetAt(column)))
            setProblem(
                edit, row < 0
                          ? QString()
                          : m_drinks->index(row, column).data(DrinksModel::ProblemRole).toString());
}

void ForecastWindow::showEvent(QShowEvent* event) {
    if (m_built) {
        takeNewerEvening();
        recompute();
    }
    QWidget::showEvent(event);
}

void ForecastWindow::hideEvent(QHideEvent* event) {
    // Closing only hides, and the program ends by hiding every window: what waits is written.
    keep();
    QWidget::hideEvent(event);
}

void ForecastWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_built)
        takeNewerEvening();
    QWidget::changeEvent(event);
}

// --- keeping the answer -----------------------------------------------------------------------

QString ForecastWindow::askSavePath(const QString& caption, const QString& name,
                                    const QString& filter, const QString& suffix) {
    if (m_lastFolder.isEmpty()) {
        m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (m_lastFolder.isEmpty())
            m_lastFolder = QDir::homePath();
    }
    const QString day =
        m_app.services().clock.currentDateTime().toString(QStringLiteral("yyyy-MM-dd"));
    QString path = m_app.services().dialogs.saveFileName(
        this, caption, joinedPath(m_lastFolder, name + u'-' + day + suffix), filter);
    if (path.isEmpty())
        return path;
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    m_lastFolder = QFileInfo(path).absolutePath();
    return path;
}

ReportPage ForecastWindow::report() const {
    return reportPage(m_form, m_check, m_app.services().clock.currentDateTime());
}

void ForecastWindow::saveReport() {
    if (!m_check.ok())
        return;
    const QString path = askSavePath(QStringLiteral("Сохранить отчёт"), QStringLiteral("прогноз"),
                                     QStringLiteral("PDF (*.pdf)"), QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    ChartWidget chart;
    showOnPage(chart);
    if (!forecastreport::writePdf(path, report(), chart))
        saveFailed(path);
}

void ForecastWindow::showOnPage(ChartWidget& chart) const {
    // The page has its own chart, of the page's proportions, whatever the window's size.
    chart.setLeftAxis(QStringLiteral("‰"));
    chart.setRightAxis(QStringLiteral("мг/л выдох"), Limit::BreathPerPromille);
    chart.resize(1000, 520);
    forecastchart::show(chart, *m_check.forecast, m_check.limit.effectivePromille(),
                        m_app.services().clock.currentDateTime());
}

void ForecastWindow::saveChart() {
    if (!m_check.ok())
        return;
    const QString path = askSavePath(QStringLiteral("Сохранить график"), QStringLiteral("график"),
                                     QStringLiteral("PNG (*.png)"), QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !m_chart->grab().save(&file, "PNG") || !file.commit())
        saveFailed(path);
}

void ForecastWindow::saveData() {
    if (!m_check.ok())
        return;
    const QString path = askSavePath(QStringLiteral("Сохранить данные"), QStringLiteral("прогноз"),
                                     QStringLiteral("CSV (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    const QByteArray bytes = forecastexport::csv(*m_check.forecast);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        saveFailed(path);
}

void ForecastWindow::print() {
#if QT_CONFIG(printdialog)
    if (!m_check.ok())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Печать прогноза"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ChartWidget chart;
    showOnPage(chart);
    QPainter painter(&printer);
    if (painter.isActive())
        forecastreport::paint(painter,
                              QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()),
                              report(), chart);
#endif
}

void ForecastWindow::saveFailed(const QString& path) {
    m_app.services().dialogs.message(
        this, QStringLiteral("Не удалось сохранить файл ") + QDir::toNativeSeparators(path),
        QStringLiteral("Прогноз"));
}
