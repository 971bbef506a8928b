#include "forecastwindow.h"

#include "app/application.h"
#include "app/chartwidget.h"
#include "app/clock.h"
#include "app/dialogs.h"
#include "app/services.h"
#include "app/timer.h"
#include "forecast/drinkcatalogue.h"
#include "forecast/forecastexport.h"
#include "forecast/forecastsummary.h"
#include "forecast/limit.h"
#include "settings/profilefile.h"
#include "settings/settingslocation.h"
#include "windows/forecastchart.h"
#include "windows/forecastreport.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtPrintSupport/qtprintsupportglobal.h>
#if QT_CONFIG(printdialog)
#include <QPrintDialog>
#include <QPrinter>
#endif
#include <QComboBox>
#include <QDateEdit>
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

QString checkFields() {
    return QStringLiteral("Проверьте выделенные поля");
}

QString emptyHint() {
    return QStringLiteral("Добавьте напиток: кнопка «Добавить» или клавиша Insert");
}

} // namespace

ForecastWindow::ForecastWindow(Application& app)
    : m_app(app) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Прогноз — алкоголь"));
    setMinimumSize(900, 620);
    resize(1100, 700);

    auto* top = new QHBoxLayout;
    top->addWidget(buildDrinks(), 3);
    top->addWidget(buildPerson(), 2);
    auto* bottom = new QHBoxLayout;
    m_chart = new ChartWidget(this);
    m_chart->setObjectName(QStringLiteral("Chart"));
    m_chart->setLeftAxis(QStringLiteral("‰"));
    m_chart->setRightAxis(QStringLiteral("мг/л выдох"), Limit::BreathPerPromille);
    bottom->addWidget(m_chart, 3);
    bottom->addWidget(buildAnswers(), 2);
    auto* layout = new QVBoxLayout(this);
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
    m_nowTick->onTick([this] { recompute(); });
    m_nowTick->setEnabled(true);

    // The body mass the calculator remembers; the forecast reads it and never writes it.
    const QString settings =
        settingsFilePath(m_app.services().programFolder, m_app.services().userConfigHome);
    m_form.mass = GetValueString(QStringLiteral("Вес"), QStringLiteral("p"), settings, {});
    m_loading = true;
    m_mass->setText(m_form.mass);
    m_loading = false;
    m_built = true;
    showRow(-1);
    recompute();
}

QLineEdit* ForecastWindow::field(QWidget* parent, const QString& name, const QString& spoken) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
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
    m_date = new QDateEdit(box);
    m_date->setObjectName(QStringLiteral("DrinkDate"));
    m_date->setAccessibleName(QStringLiteral("Дата напитка"));
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_date->setCalendarPopup(true);
    connect(m_date, &QDateEdit::dateChanged, this, [this] { editorChanged(); });
    addField(2, 0, QStringLiteral("&Дата"), m_date);
    m_time = field(box, QStringLiteral("DrinkTime"), QStringLiteral("Время, ЧЧ:ММ"));
    m_time->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    addField(2, 2, QStringLiteral("&Время"), m_time);
    layout->addWidget(problemLabel(box, m_time), 2, 4, 1, 2);

    m_drink = new QComboBox(box);
    m_drink->setObjectName(QStringLiteral("DrinkName"));
    m_drink->setAccessibleName(QStringLiteral("Напиток"));
    for (const CatalogueDrink& d : drinkcatalogue::all())
        m_drink->addItem(d.name);
    m_drink->addItem(drinkcatalogue::ownDrink());
    connect(m_drink, &QComboBox::activated, this, [this] { drinkPicked(); });
    addField(3, 0, QStringLiteral("&Напиток"), m_drink);
    layout->removeWidget(m_drink);
    layout->addWidget(m_drink, 3, 1, 1, 5);

    m_grams = field(box, QStringLiteral("DrinkGrams"), QStringLiteral("Граммы напитка"));
    addField(4, 0, QStringLiteral("&Граммы"), m_grams);
    layout->addWidget(problemLabel(box, m_grams), 5, 1);
    m_strength = field(box, QStringLiteral("DrinkStrength"), QStringLiteral("Крепость, %"));
    addField(4, 2, QStringLiteral("&Крепость, %"), m_strength);
    layout->addWidget(problemLabel(box, m_strength), 5, 3);
    m_duration = field(box, QStringLiteral("DrinkMinutes"), QStringLiteral("Сколько минут пили"));
    addField(4, 4, QStringLiteral("Пили, &мин"), m_duration);
    layout->addWidget(problemLabel(box, m_duration), 5, 5);
    return box;
}

QWidget* ForecastWindow::buildPerson() {
    auto* box = new QGroupBox(QStringLiteral("Человек и модель"), this);
    auto* layout = new QGridLayout(box);
    int row = 0;
    auto addRow = [&](const QString& caption, QWidget* w, QLabel* problem) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(w);
        layout->addWidget(label, row, 0);
        layout->addWidget(w, row, 1);
        if (problem)
            layout->addWidget(problem, row, 2);
        ++row;
    };
    m_sex = new QComboBox(box);
    m_sex->setObjectName(QStringLiteral("Sex"));
    m_sex->setAccessibleName(QStringLiteral("Пол"));
    m_sex->addItems({QStringLiteral("муж"), QStringLiteral("жен")});
    connect(m_sex, &QComboBox::currentIndexChanged, this, [this] { editorChanged(); });
    addRow(QStringLiteral("&Пол"), m_sex, nullptr);

    m_mass = field(box, QStringLiteral("BodyMass"), QStringLiteral("Масса тела, кг"));
    addRow(QStringLiteral("&Масса, кг"), m_mass, problemLabel(box, m_mass));
    m_rate = field(box, QStringLiteral("Rate"), QStringLiteral("Выведение, промилле в час"));
    addRow(QStringLiteral("&Выведение, ‰/ч"), m_rate, problemLabel(box, m_rate));
    m_slowest = field(box, QStringLiteral("SlowestRate"),
                      QStringLiteral("Самое медленное выведение, промилле в час"));
    addRow(QStringLiteral("  медленнее всего"), m_slowest, problemLabel(box, m_slowest));
    m_fastest = field(box, QStringLiteral("FastestRate"),
                      QStringLiteral("Самое быстрое выведение, промилле в час"));
    addRow(QStringLiteral("  быстрее всего"), m_fastest, problemLabel(box, m_fastest));
    m_deficit = field(box, QStringLiteral("Deficit"), QStringLiteral("Не всасывается, процентов"));
    addRow(QStringLiteral("Не всасывается, &%"), m_deficit, problemLabel(box, m_deficit));
    m_absorption =
        field(box, QStringLiteral("Absorption"), QStringLiteral("Время всасывания, минут"));
    addRow(QStringLiteral("Всасывание, м&ин"), m_absorption, problemLabel(box, m_absorption));

    m_loading = true;
    m_rate->setText(m_form.rate);
    m_slowest->setText(m_form.slowestRate);
    m_fastest->setText(m_form.fastestRate);
    m_deficit->setText(m_form.deficit);
    m_absorption->setText(m_form.absorption);
    m_loading = false;
    layout->setRowStretch(row, 1);
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

    m_loading = true;
    m_planned->setText(m_form.planned);
    m_loading = false;
    return box;
}

// --- the drink table --------------------------------------------------------------------------

void ForecastWindow::addRow() {
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
    recompute();
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
    recompute();
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
        m_date->setDate(e.date);
        m_time->setText(e.time);
        const int index = m_drink->findText(e.drink);
        m_drink->setCurrentIndex(index >= 0 ? index : m_drink->count() - 1);
        m_grams->setText(e.grams);
        m_strength->setText(e.strength);
        m_duration->setText(e.duration);
    } else {
        for (QLineEdit* e : {m_time, m_grams, m_strength, m_duration})
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
        e.date = m_date->date();
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
    recompute();
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
    if (fresh) {
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
    m_check = checkForecastForm(m_form);
    const Limit limit = Limit::russia();
    showProblems();

    const QDateTime now = m_app.services().clock.currentDateTime();
    m_chart->clear();
    if (m_form.drinks.isEmpty()) {
        m_summary = {emptyHint()};
        m_chart->setEmptyText(emptyHint());
    } else if (!m_check.ok()) {
        // Nothing of an earlier answer may stand beside fields that no longer give it.
        m_summary = {checkFields()};
        m_chart->setEmptyText(checkFields());
    } else {
        const Forecast& f = *m_check.forecast;
        m_summary = forecastsummary::lines(f, limit, m_check.plannedTime);
        m_summary.insert(1, forecastsummary::nowLine(f, now));
        forecastchart::show(*m_chart, f, limit.effectivePromille(), now);
    }
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

void ForecastWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides: the evening typed so far is there at the next opening.
    event->accept();
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
    ReportFacts facts;
    const BodyModel& model = BodyModel::widmark();
    facts.modelName = model.name();
    facts.modelSource = model.source();
    facts.reductionFactor = m_check.forecast ? m_check.forecast->reductionFactor() : 0;
    facts.limit = Limit::russia();
    facts.summary = m_summary;
    if (!facts.summary.isEmpty() && facts.summary.last() == forecastsummary::warning())
        facts.summary.removeLast();
    facts.made = m_app.services().clock.currentDateTime();
    return reportPage(m_form, facts);
}

void ForecastWindow::saveReport() {
    if (!m_check.ok())
        return;
    const QString path = askSavePath(QStringLiteral("Сохранить отчёт"), QStringLiteral("прогноз"),
                                     QStringLiteral("PDF (*.pdf)"), QStringLiteral(".pdf"));
    if (path.isEmpty())
        return;
    // The page has its own chart, of the page's proportions, whatever the window's size.
    ChartWidget chart;
    chart.setLeftAxis(QStringLiteral("‰"));
    chart.setRightAxis(QStringLiteral("мг/л выдох"), Limit::BreathPerPromille);
    chart.resize(1000, 520);
    forecastchart::show(chart, *m_check.forecast, Limit::russia().effectivePromille(),
                        m_app.services().clock.currentDateTime());
    if (!forecastreport::writePdf(path, report(), chart))
        saveFailed(path);
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
    chart.setLeftAxis(QStringLiteral("‰"));
    chart.setRightAxis(QStringLiteral("мг/л выдох"), Limit::BreathPerPromille);
    chart.resize(1000, 520);
    forecastchart::show(chart, *m_check.forecast, Limit::russia().effectivePromille(),
                        m_app.services().clock.currentDateTime());
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
