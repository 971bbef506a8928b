#include "measurementspanel.h"

#include "calc/numbertext.h"
#include "forecast/eveningfields.h"
#include "forecast/eveningfile.h"
#include "forecast/limit.h"
#include "forecast/measurementsmodel.h"
#include "windows/drinkeditors.h"
#include "windows/forecastfield.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>

namespace {

// A short guidance line, wrapped to the width the panel gives it and as high as its lines then
// are. A word-wrapped label would have its height follow its width through the layouts, and
// the window's scrolled content would then be sized by every part's preferred height rather
// than by what fits.
class Note : public QLabel {
public:
    Note(QWidget* parent, const char* name, const QString& text)
        : QLabel(text, parent) {
        setObjectName(QLatin1String(name));
        setWordWrap(true);
    }

    bool hasHeightForWidth() const override { return false; }
    QSize minimumSizeHint() const override {
        // Never narrower than a few words, so that it never stands as a column of them.
        const int least = 24 * fontMetrics().averageCharWidth();
        return {least, heightForWidth(std::max(width(), least))};
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        if (event->size().width() != event->oldSize().width())
            updateGeometry();
    }
};

} // namespace

MeasurementsPanel::MeasurementsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Замеры"), parent)
    , m_model(new MeasurementsModel(this))
    , m_mapper(new QDataWidgetMapper(this)) {
    auto* layout = new QGridLayout(this);

    m_table = new QTableView(this);
    m_table->setModel(m_model);
    m_table->setObjectName(QStringLiteral("Measurements"));
    m_table->setAccessibleName(QStringLiteral("Список замеров"));
    // A cell to check in the colour of the problems beside the fields.
    m_table->setItemDelegate(new ProblemTextDelegate(m_table));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // A header and two readings: an evening seldom has more, and the list scrolls.
    m_table->setMinimumHeight(m_table->horizontalHeader()->sizeHint().height() +
                              2 * m_table->verticalHeader()->defaultSectionSize() +
                              2 * m_table->frameWidth());
    layout->addWidget(m_table, 0, 0, 1, 5);
    layout->setRowStretch(0, 1);

    // The selected reading, field by field, as the drinks' editors are.
    const struct {
        int column;
        const char* name;
        const char16_t* widest;
        const char16_t* spoken;
    } fields[] = {
        {MeasurementsModel::DateColumn, "MeasurementDate", u"09.12.2026", u"Дата замера"},
        {MeasurementsModel::TimeColumn, eveningfields::MeasurementTexts[0].control, u"23:59",
         u"Время замера, ЧЧ:ММ"},
        {MeasurementsModel::ValueColumn, eveningfields::MeasurementTexts[1].control, u"0,125",
         u"Показание замера"},
    };
    for (const auto& f : fields) {
        auto* field = m_fields[f.column] = new ForecastField(this);
        field->setObjectName(QLatin1String(f.name));
        field->setWidestText(QString::fromUtf16(f.widest), true);
        field->setMaxLength(int(EveningTextLimit));
        field->setAccessibleName(QString::fromUtf16(f.spoken));
        auto* problem = m_problems[f.column] = new ProblemLine(this);
        problem->setObjectName(field->objectName() + QStringLiteral("Problem"));
    }
    m_fields[MeasurementsModel::DateColumn]->setPlaceholderText(QStringLiteral("ДД.ММ.ГГГГ"));
    m_fields[MeasurementsModel::TimeColumn]->setPlaceholderText(QStringLiteral("ЧЧ:ММ"));
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("MeasurementKind"));
    m_kind->setAccessibleName(QStringLiteral("Вид замера"));
    for (const Measurement::Kind kind : {Measurement::Kind::Breath, Measurement::Kind::Blood})
        m_kind->addItem(MeasurementsModel::kindText(kind));
    m_kind->setToolTip(QStringLiteral("Алкотестер: мг/л выдыхаемого воздуха; анализ крови: ‰"));
    m_remove = new QPushButton(QStringLiteral("Удалить замер"), this);
    m_remove->setObjectName(QStringLiteral("RemoveMeasurement"));
    m_remove->setToolTip(QStringLiteral("Удалить выбранный замер (Delete в списке)"));

    const auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    QWidget* date = m_fields[MeasurementsModel::DateColumn];
    QWidget* time = m_fields[MeasurementsModel::TimeColumn];
    QWidget* value = m_fields[MeasurementsModel::ValueColumn];
    layout->addWidget(caption(QStringLiteral("Дата"), date), 1, 0);
    layout->addWidget(date, 1, 1);
    layout->addWidget(caption(QStringLiteral("Время"), time), 1, 2);
    layout->addWidget(time, 1, 3);
    layout->addWidget(m_remove, 1, 4, Qt::AlignRight);
    layout->addWidget(m_problems[MeasurementsModel::DateColumn], 2, 1);
    layout->addWidget(m_problems[MeasurementsModel::TimeColumn], 2, 3, 1, 2);
    layout->addWidget(caption(QStringLiteral("Пок&азание"), value), 3, 0);
    layout->addWidget(value, 3, 1);
    layout->addWidget(m_kind, 3, 2, 1, 2);
    // What the value is read in, where it is typed.
    auto* units = new QLabel(
        QStringLiteral("1 ‰ = %1 мг/л").arg(numbertext::decimalText(Limit::BreathPerPromille)),
        this);
    units->setObjectName(QStringLiteral("MeasurementUnits"));
    units->setAccessibleName(QStringLiteral("1 промилле в крови соответствует %1 мг/л в "
                                            "выдыхаемом воздухе")
                                 .arg(numbertext::decimalText(Limit::BreathPerPromille)));
    layout->addWidget(units, 3, 4);
    layout->addWidget(m_problems[MeasurementsModel::ValueColumn], 4, 1, 1, 4);
    layout->addWidget(new Note(this, "MouthAlcohol",
                               QStringLiteral("Не дуйте в прибор раньше чем через 15–20 минут "
                                              "после последнего глотка: алкоголь во рту "
                                              "завышает показание. Погрешность прибора — около "
                                              "0,02 мг/л.")),
                      5, 0, 1, 5);
    layout->setColumnStretch(4, 1);

    m_add = new QPushButton(QStringLiteral("Замер"), this);
    m_add->setObjectName(QStringLiteral("AddMeasurement"));
    m_add->setAccessibleName(QStringLiteral("Добавить замер"));
    m_add->setToolTip(QStringLiteral("Добавить показание алкотестера или анализа крови со "
                                     "временем сейчас (Ctrl+M)"));

    m_mapper->setModel(m_model);
    m_mapper->setItemDelegate(new DrinkEditorsDelegate(m_mapper));
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    for (int column = 0; column < int(m_fields.size()); ++column) {
        m_mapper->addMapping(m_fields[column], column);
        connect(m_fields[column], &QLineEdit::textChanged, this, [this] { edited(); });
    }
    m_mapper->addMapping(m_kind, MeasurementsModel::KindColumn);
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { edited(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowSelected(); });
    for (auto rows : {&MeasurementsModel::rowsInserted, &MeasurementsModel::rowsRemoved})
        connect(m_model, rows, this, [this] { showDetails(); });
    connect(m_model, &MeasurementsModel::modelReset, this, [this] { showDetails(); });
    connect(m_add, &QPushButton::clicked, this, [this] { add(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { remove(); });
    // Ctrl+M wherever the focus is in the window, the panel shown or not; Delete only in the
    // list, as for the drinks.
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), m_add);
    connect(shortcut, &QShortcut::activated, this, [this] { add(); });
    auto* removing = new QShortcut(QKeySequence(QKeySequence::Delete), m_table);
    removing->setContext(Qt::WidgetShortcut);
    connect(removing, &QShortcut::activated, this, [this] { remove(); });
    showDetails();
    rowSelected();
}

void MeasurementsPanel::showDetails() {
    // Without readings the window stays as it was: "Замер" alone says they can be added.
    setVisible(m_model->rowCount() > 0);
}

void MeasurementsPanel::setClock(std::function<QDateTime()> now) {
    m_now = now;
    m_model->setClock(std::move(now));
}

const QList<MeasurementEntry>& MeasurementsPanel::measurements() const {
    return m_model->measurements();
}

void MeasurementsPanel::setMeasurements(const QList<MeasurementEntry>& measurements) {
    m_model->setMeasurements(measurements);
    if (!measurements.isEmpty())
        m_table->setCurrentIndex(
            m_model->index(m_model->rowCount() - 1, MeasurementsModel::TimeColumn));
    rowSelected();
}

void MeasurementsPanel::setChecks(const QList<MeasurementEntryCheck>& checks) {
    m_model->setChecks(checks);
    showProblems();
}

void MeasurementsPanel::add() {
    // Taken now, of the kind the last one was: what is left to type is the number.
    Q_ASSERT(m_now);
    MeasurementEntry reading;
    const QDateTime now = m_now();
    reading.date = now.date();
    reading.time = now.time().toString(QStringLiteral("HH:mm"));
    if (!measurements().isEmpty())
        reading.kind = measurements().constLast().kind;
    const int row = m_model->append(reading);
    if (row < 0)
        return;
    m_table->setCurrentIndex(m_model->index(row, MeasurementsModel::TimeColumn));
    ForecastField* value = m_fields[MeasurementsModel::ValueColumn];
    value->setFocus(Qt::OtherFocusReason);
    // The panel may lie below what a scrolled window shows: the value is brought into view,
    // once the layouts have given the panel its place.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w))
            area->ensureWidgetVisible(value);
    emit changed();
}

void MeasurementsPanel::remove() {
    const int row = m_table->currentIndex().row();
    if (row < 0 || !m_model->removeRow(row))
        return;
    rowSelected();
    emit changed();
}

void MeasurementsPanel::rowSelected() {
    const int row = m_table->currentIndex().row();
    const bool has = row >= 0 && row < m_model->rowCount();
    for (ForecastField* field : m_fields) {
        field->setEnabled(has);
        if (!has) {
            const QSignalBlocker quiet(field);
            field->clear();
        }
    }
    m_kind->setEnabled(has);
    m_remove->setEnabled(has);
    m_mapper->setCurrentIndex(has ? row : -1);
    showProblems();
}

void MeasurementsPanel::edited() {
    m_mapper->submit();
    showProblems();
    emit changed();
}

void MeasurementsPanel::showProblems() {
    const int row = m_table->currentIndex().row();
    for (int column = 0; column < int(m_fields.size()); ++column) {
        const QString problem =
            row < 0 ? QString()
                    : m_model->index(row, column).data(MeasurementsModel::ProblemRole).toString();
        m_problems[column]->setText(problem);
        m_fields[column]->setProblem(problem);
    }
}
