#include "journal_form.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "journal/journal_file.h"
#include "journal_texts.h"
#include "record_document.h"
#include "shell/message_box.h"

namespace gui {

namespace {

template <typename T>
T* named(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* labelFor(QWidget* parent, const char* name, QWidget* buddy)
{
    auto* label = named<QLabel>(parent, name);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

JournalForm::JournalForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("JournalForm"));
    // left open, it does not keep the program running after the main window
    setAttribute(Qt::WA_QuitOnClose, false);
    m_dialogs = withDesktopDialogs(JournalDialogs{});
    buildWindow();
    resize(760, 480);
}

JournalForm::~JournalForm() = default;

void JournalForm::buildWindow()
{
    m_from = named<QDateEdit>(this, "journalFrom");
    m_to = named<QDateEdit>(this, "journalTo");
    for (QDateEdit* d : {m_from, m_to}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    m_from->setDate(QDate::currentDate().addMonths(-1));
    m_to->setDate(QDate::currentDate());
    m_page = named<QComboBox>(this, "journalPage");
    m_search = named<QLineEdit>(this, "journalSearch");
    m_search->setClearButtonEnabled(true);

    auto* filters = new QHBoxLayout;
    filters->addWidget(labelFor(this, "journalFromLabel", m_from));
    filters->addWidget(m_from);
    filters->addWidget(labelFor(this, "journalToLabel", m_to));
    filters->addWidget(m_to);
    filters->addWidget(labelFor(this, "journalPageLabel", m_page));
    filters->addWidget(m_page);
    filters->addWidget(labelFor(this, "journalSearchLabel", m_search));
    filters->addWidget(m_search, 1);

    m_model = new QStandardItemModel(this);
    m_table = named<QTableView>(this, "journalTable");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_csvStyle = named<QComboBox>(this, "journalCsvStyle");
    auto* csv = named<QPushButton>(this, "journalExportCsv");
    auto* pdf = named<QPushButton>(this, "journalExportPdf");
    auto* record = named<QPushButton>(this, "journalRecordPdf");
    auto* print = named<QPushButton>(this, "journalPrintRecord");
    auto* remove = named<QPushButton>(this, "journalDelete");
    auto* actions = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_csvStyle, csv, pdf})
        actions->addWidget(w);
    actions->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{record, print, remove})
        actions->addWidget(w);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addLayout(actions);

    connect(m_from, &QDateEdit::dateChanged, this, &JournalForm::reload);
    connect(m_to, &QDateEdit::dateChanged, this, &JournalForm::reload);
    connect(m_page, &QComboBox::currentIndexChanged, this, &JournalForm::reload);
    connect(m_search, &QLineEdit::textChanged, this, &JournalForm::reload);
    connect(csv, &QPushButton::clicked, this, &JournalForm::exportCsv);
    connect(pdf, &QPushButton::clicked, this, &JournalForm::exportPdf);
    connect(record, &QPushButton::clicked, this, &JournalForm::exportRecordPdf);
    connect(print, &QPushButton::clicked, this, &JournalForm::printRecord);
    connect(remove, &QPushButton::clicked, this, &JournalForm::deleteSelected);
    retranslate();
}

void JournalForm::setJournalPath(const QString& path)
{
    if (path == m_path)
        return;
    m_path = path;
    m_file.reset();
}

void JournalForm::setDialogs(JournalDialogs dialogs)
{
    m_dialogs = withDesktopDialogs(std::move(dialogs));
}

void JournalForm::retranslate()
{
    const int page = std::max(0, m_page->currentIndex());
    const int style = std::max(0, m_csvStyle->currentIndex());
    {
        const QSignalBlocker block(m_page);
        m_page->clear();
        m_page->addItem(journalText(JournalText::AllPages), QString());
        for (const QString& key : pageKeys())
            m_page->addItem(pageName(key), key);
        m_page->setCurrentIndex(page);
    }
    m_csvStyle->clear();
    m_csvStyle->addItem(journalText(JournalText::CsvComma), static_cast<int>(journal::CsvStyle::Comma));
    m_csvStyle->addItem(journalText(JournalText::CsvSemicolon),
                        static_cast<int>(journal::CsvStyle::SemicolonDecimalComma));
    m_csvStyle->setCurrentIndex(style);
    setWindowTitle(journalText(JournalText::JournalTitle));
    if (isVisible())
        reload();
    else
        m_model->setHorizontalHeaderLabels(entryHeaders());
}

void JournalForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void JournalForm::reload()
{
    m_entries.clear();
    if (!m_path.isEmpty() && !m_file) {
        m_file = std::make_unique<journal::JournalFile>(m_path);
        if (!m_file->open().ok())
            m_file.reset();
    }
    if (m_file)
        m_entries = m_file->entries({m_from->date(), m_to->date(), m_page->currentData().toString(), m_search->text()});
    m_model->clear();
    m_model->setHorizontalHeaderLabels(entryHeaders());
    for (const journal::Entry& e : m_entries) {
        QList<QStandardItem*> items;
        for (const QString& text : entryCells(e)) {
            auto* item = new QStandardItem(text);
            item->setData(e.id, Qt::UserRole);
            items << item;
        }
        m_model->appendRow(items);
    }
    // long texts wrap inside their cells rather than push the rest aside
    m_table->resizeColumnsToContents();
    // (the inputs and results, columns 5 and 6, get the most room)
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), column == 5 || column == 6 ? 280 : 160));
    m_table->resizeRowsToContents();
}

const journal::Entry* JournalForm::currentEntry() const
{
    const int row = m_table->currentIndex().row();
    return row >= 0 && row < static_cast<int>(m_entries.size()) ? &m_entries[static_cast<std::size_t>(row)] : nullptr;
}

std::vector<qint64> JournalForm::selectedIds() const
{
    std::vector<qint64> ids;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        ids.push_back(m_entries[static_cast<std::size_t>(index.row())].id);
    return ids;
}

QString JournalForm::askPath(const QString& proposedName, const QString& filter)
{
    FileRequest request;
    request.folder = QDir::homePath();
    request.proposedName = proposedName;
    request.filter = filter;
    request.defaultSuffix = QFileInfo(proposedName).suffix();
    return m_dialogs.saveFile(this, request);
}

void JournalForm::tellWriteFailure(const QString& path, const QString& reason)
{
    shell::showAttention(
        this, journalText(JournalText::WriteFailed) + QDir::toNativeSeparators(path) + QStringLiteral(":\n") + reason);
}

void JournalForm::writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        tellWriteFailure(path, file.errorString());
}

void JournalForm::exportCsv()
{
    const QString path = askPath(QStringLiteral("journal.csv"), journalText(JournalText::CsvFilter));
    if (path.isEmpty())
        return;
    const auto style = static_cast<journal::CsvStyle>(m_csvStyle->currentData().toInt());
    std::vector<QStringList> rows{entryHeaders()};
    for (const journal::Entry& e : m_entries)
        rows.push_back(entryCells(e, journal::decimalSeparator(style)));
    writeFile(path, journal::toCsv(rows, style));
}

void JournalForm::exportPdf()
{
    const QString path = askPath(QStringLiteral("journal.pdf"), journalText(JournalText::PdfFilter));
    if (path.isEmpty())
        return;
    const QString reason = writePdf(listHtml(m_entries), path, QPageLayout::Landscape);
    if (!reason.isEmpty())
        tellWriteFailure(path, reason);
}

void JournalForm::exportRecordPdf()
{
    const journal::Entry* entry = currentEntry();
    if (!entry)
        return;
    const QString path = askPath(QStringLiteral("record-%1.pdf").arg(entry->id), journalText(JournalText::PdfFilter));
    if (path.isEmpty())
        return;
    const QString reason = writePdf(recordHtml(*entry), path, QPageLayout::Portrait);
    if (!reason.isEmpty())
        tellWriteFailure(path, reason);
}

void JournalForm::printRecord()
{
    const journal::Entry* entry = currentEntry();
    if (!entry)
        return;
    QPrinter printer;
    if (m_dialogs.print(this, printer))
        printDocument(recordHtml(*entry), printer);
}

void JournalForm::deleteSelected()
{
    const std::vector<qint64> ids = selectedIds();
    if (ids.empty() || !m_file)
        return;
    shell::BoxRequest ask;
    ask.caption = shell::catalogueEntry(density::MsgKey::MsgCaptionAttention);
    ask.text = journalText(JournalText::AskDelete) + QString::number(ids.size()) + QLatin1Char('?');
    ask.icon = QMessageBox::Question;
    ask.buttons = QMessageBox::Yes | QMessageBox::No;
    ask.defaultButton = QMessageBox::No;
    if (shell::showBox(this, ask) != QMessageBox::Yes)
        return;
    const journal::FileOutcome removed = m_file->remove(ids);
    if (!removed.ok())
        tellWriteFailure(m_path, removed.reason);
    reload();
}

}  // namespace gui
