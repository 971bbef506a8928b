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
#include "forecast/forecastsummary.h"
#include "forecast/modelchoice.h"
#include "settings/profilefile.h"
#include "settings/settingslocation.h"
#include "windows/drinkeditors.h"
#include "windows/forecastchart.h"
#include "windows/forecastfield.h"
#include "windows/forecastlayout.h"
#include "windows/measurementspanel.h"

#include <QComboBox>
#include <QDataWidgetMapper>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>

#include <functional>

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

    m_drinks = new DrinksModel(this);
    const auto now = [this] { return m_app.services().clock.currentDateTime(); };
    m_drinks->setClock(now);
    m_ui = layOutForecast(*this, *m_drinks);
    m_ui.measurements->setClock(now);
    m_keeper = std::make_unique<ForecastKeeper>(this, m_app.services());
    bindFields();

    // Insert adds a drink wherever the focus is; Delete removes one only from the table, so it
    // keeps deleting characters in the fields.
    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    connect(insert, &QShortcut::activated, this, [this] { addRow(); });
    auto* remove = new QShortcut(QKeySequence(QKeySequence::Delete), m_ui.table);
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
        } else if (auto* list = qobject_cast<QComboBox*>(control); list && list != m_ui.country) {
            connect(list, &QComboBox::currentIndexChanged, this, [this, &field, list] {
                m_form.*field.member = list->currentData().toString();
                showFieldsInUse();
                changed();
            });
        }
    }
    connect(m_ui.sex, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_form.sex = index == 1 ? Sex::Female : Sex::Male;
        changed();
    });
    connect(m_ui.country, &QComboBox::currentIndexChanged, this, [this] { limitChosen(); });

    // The selected drink, field by field: the mapper shows the current row in the editors, and
    // every change goes into the model at once.
    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setModel(m_drinks);
    m_mapper->setItemDelegate(new DrinkEditorsDelegate(m_mapper));
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    for (int column = 0; column < DrinksModel::StateColumn; ++column) {
        QWidget* editor = m_ui.drinkEditors[column];
        m_mapper->addMapping(editor, column);
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            connect(edit, &QLineEdit::textChanged, this, [this] {
                m_mapper->submit();
                changed();
            });
    }
    // A listed drink brings its serving and strength; "свой" keeps what is typed.
    auto* name = qobject_cast<QComboBox*>(m_ui.drinkEditors[DrinksModel::DrinkColumn]);
    auto* amount = qobject_cast<QLineEdit*>(m_ui.drinkEditors[DrinksModel::GramsColumn]);
    auto* strength = qobject_cast<QLineEdit*>(m_ui.drinkEditors[DrinksModel::StrengthColumn]);
    connect(name, &QComboBox::activated, this, [this, name, amount, strength] {
        if (const CatalogueDrink* listed = drinkcatalogue::find(name->currentText())) {
            const QSignalBlocker quietAmount(amount);
            const QSignalBlocker quietStrength(strength);
            amount->setText(listed->serving);
            strength->setText(listed->strength);
        }
        m_mapper->submit();
        changed();
    });
    connect(m_ui.table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowSelected(); });

    connect(m_ui.add, &QPushButton::clicked, this, [this] { addRow(); });
    connect(m_ui.repeat, &QPushButton::clicked, this, [this] { repeatRow(); });
    for (int i = 0; i < m_ui.drinkNow.size(); ++i)
        connect(m_ui.drinkNow[i], &QPushButton::clicked, this, [this, i] {
            if (i < m_drinkNow.size())
                appendRow(
                    drinkcatalogue::again(m_drinkNow[i], m_app.services().clock.currentDateTime()));
        });
    // The offered drinks follow the evening, whichever way it changed; a new check changes none.
    for (auto changedRows : {&DrinksModel::rowsInserted, &DrinksModel::rowsRemoved})
        connect(m_drinks, changedRows, this, [this] { showDrinkNow(); });
    connect(m_drinks, &DrinksModel::modelReset, this, [this] { showDrinkNow(); });
    connect(m_drinks, &DrinksModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (!roles.contains(DrinksModel::ProblemRole))
                    showDrinkNow();
            });
    showDrinkNow();
    connect(m_ui.remove, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(m_ui.measurements, &MeasurementsPanel::changed, this, [this] { changed(); });
    connect(m_ui.help, &QPushButton::clicked, this, [this] {
        m_app.services().dialogs.message(this, modelchoice::helpText(m_check.limit),
                                         QStringLiteral("Справка"));
    });
    // Keeping the answer: a one-page report, printed or as PDF, the chart, the curve as a table.
    const std::function<void()> keeping[] = {
        [this] { m_keeper->saveReport(m_form, m_check); },
        [this] { m_keeper->print(m_form, m_check); },
        [this] { m_keeper->saveChart(m_check, m_ui.chart->description(), m_ui.chart->size()); },
        [this] { m_keeper->saveData(m_check); }};
    for (int i = 0; i < m_ui.keep.size(); ++i)
        connect(m_ui.keep[i], &QPushButton::clicked, this, keeping[i]);
}

void ForecastWindow::showEvening() {
    showFields();
    // The whole evening, with its last drink in the editors.
    m_drinks->setDrinks(m_form.drinks);
    if (!m_form.drinks.isEmpty())
        m_ui.table->setCurrentIndex(
            m_drinks->index(m_drinks->rowCount() - 1, DrinksModel::TimeColumn));
    rowSelected();
    m_ui.measurements->setMeasurements(m_form.measurements);
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
        const QSignalBlocker quiet(m_ui.sex);
        m_ui.sex->setCurrentIndex(m_form.sex == Sex::Female ? 1 : 0);
    }
    if (m_form.ownLimit) {
        const QSignalBlocker quiet(m_ui.country);
        m_ui.country->setCurrentIndex(m_ui.country->count() - 1);
    }
    showFieldsInUse();
}

void ForecastWindow::showFieldsInUse() {
    const bool own = m_ui.country->currentIndex() == m_ui.country->count() - 1;
    showUsedFields(m_ui, {{"Height", modelchoice::needsHeight(m_form.model)},
                          {"Age", modelchoice::needsAge(m_form.model)},
                          {"OwnLimit", own},
                          {"Driver", !own}});
}

void ForecastWindow::limitChosen() {
    m_form.ownLimit = m_ui.country->currentIndex() == m_ui.country->count() - 1;
    if (!m_form.ownLimit)
        m_form.country = m_ui.country->currentData().toString();
    // An own limit starts from the figure that applied so far, so the choice alone changes
    // no answer.
    if (m_form.ownLimit && m_form.customLimit.trimmed().isEmpty()) {
        m_form.customLimit = numbertext::decimalText(m_check.limit.effectivePromille());
        const QSignalBlocker quiet(m_ui.ownLimit);
        m_ui.ownLimit->setText(m_form.customLimit);
    }
    showFieldsInUse();
    changed();
}

// --- the drinks -------------------------------------------------------------------------------

void ForecastWindow::addRow() {
    // Complete at once, so the chart never blanks for a new drink; its time is selected to be
    // typed over.
    if (!appendRow(
            drinkcatalogue::newDrink(m_drinks->drinks(), m_app.services().clock.currentDateTime())))
        return;
    auto* time = qobject_cast<QLineEdit*>(m_mapper->mappedWidgetAt(DrinksModel::TimeColumn));
    time->setFocus(Qt::OtherFocusReason);
    time->selectAll();
}

bool ForecastWindow::appendRow(const DrinkEntry& drink) {
    // As many as the kept evening can hold: far beyond any evening.
    const int row = m_drinks->append(drink);
    if (row < 0)
        return false;
    m_ui.table->setCurrentIndex(m_drinks->index(row, DrinksModel::TimeColumn));
    changed();
    return true;
}

void ForecastWindow::repeatRow() {
    int row = m_ui.table->currentIndex().row();
    if (row < 0)
        row = m_drinks->rowCount() - 1;
    if (row < 0)
        return;
    appendRow(drinkcatalogue::again(m_drinks->drinks().at(row),
                                    m_app.services().clock.currentDateTime()));
}

void ForecastWindow::showDrinkNow() {
    m_drinkNow = drinkcatalogue::favourites(m_drinks->drinks(), int(m_ui.drinkNow.size()));
    QStringList names;
    for (const DrinkEntry& drink : std::as_const(m_drinkNow))
        names << drinkcatalogue::caption(drink);
    showDrinkNames(m_ui, names);
    m_ui.repeat->setEnabled(m_drinks->rowCount() > 0);
}

void ForecastWindow::removeRow() {
    const int row = m_ui.table->currentIndex().row();
    if (row < 0 || !m_drinks->removeRow(row))
        return;
    rowSelected();
    changed();
}

void ForecastWindow::rowSelected() {
    const int row = m_ui.table->currentIndex().row();
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
        m_ui.table->setCurrentIndex(m_drinks->index(*added, DrinksModel::TimeColumn));
    }
    showFields();
    rowSelected();
    changed();
}

// --- keeping the evening ------------------------------------------------------------------------

void ForecastWindow::changed() {
    m_form.drinks = m_drinks->drinks();
    m_form.measurements = m_ui.measurements->measurements();
    // A date typed half-way changes no drink yet, only what its field says.
    if (m_form == m_answered) {
        showProblems();
        return;
    }
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
    if (m_ui.saveProblem->text() != problem) {
        m_ui.saveProblem->setText(problem);
        m_ui.saveProblem->setAccessibleName(problem);
        m_ui.saveProblem->setVisible(!problem.isEmpty());
    }
    if (!saved.setAside.isEmpty())
        showNotice(QStringLiteral("Файл прогноза менялся в другом окне программы; тот вечер "
                                  "сохранён как ") +
                   saved.setAside);
}

void ForecastWindow::showNotice(const QString& text) {
    m_ui.notice->setText(text);
    m_ui.notice->setAccessibleName(text);
    m_ui.notice->setVisible(!text.isEmpty());
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
    m_answered = m_form;
    m_drinks->setChecks(m_check.drinks);
    m_ui.measurements->setChecks(m_check.measurements);
    showProblems();
    m_summary = forecastsummary::shown(m_form, m_check, now);
    m_ui.chart->clear();
    if (m_check.ok())
        m_ui.chart->setDescription(forecastchart::describe(m_check, now));
    else
        m_ui.chart->setEmptyText(m_summary.constFirst());
    m_ui.summary->setText(m_summary.join(u'\n'));
    const QStringList headline =
        m_check.ok() ? forecastsummary::headline(*m_check.forecast, m_check.limit, now)
                     : QStringList();
    m_ui.headline->setText(headline.join(u'\n'));
    m_ui.headline->setVisible(!headline.isEmpty());
    // Read out whole: the name says what the label is, the description what it says.
    m_ui.summary->setAccessibleDescription(m_summary.join(u' '));
    for (QWidget* button : m_ui.keep)
        button->setEnabled(m_check.ok());
    // The chart is never the only carrier: a screen reader reads the answers from it too.
    m_ui.chart->setAccessibleDescription(
        forecastchart::spoken(m_summary, m_ui.chart->description()));
}

void ForecastWindow::setProblem(QLineEdit* edit, const QString& problem) {
    if (QLabel* label = m_ui.problems.value(edit))
        label->setText(problem);
    if (auto* field = qobject_cast<ForecastField*>(edit))
        field->setProblem(problem);
}

void ForecastWindow::showProblems() {
    for (const eveningfields::Field& field : eveningfields::EveningTexts)
        if (auto* edit = findChild<QLineEdit*>(QLatin1String(field.control)); edit && field.problem)
            setProblem(edit, m_check.*field.problem);
    const int row = m_ui.table->currentIndex().row();
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
