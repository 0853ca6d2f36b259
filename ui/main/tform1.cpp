#include "tform1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QShowEvent>

#include "app/catalogue.h"

namespace gui {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantorel"));
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::attachWindows(TForm2* editor, shell::TO_progr_form* about)
{
    m_editor = editor;
    m_about = about;
}

void TForm1::FormCreate()
{
    m_programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // restoring from the task bar is not a new show
    if (!event->spontaneous())
        FormShow();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TForm1::FormShow()
{
    m_settingsPath = m_programFolder + QStringLiteral("settings.ini");
    shell::catalogue().fill(shell::UiLanguage::Russian);
    density::loadReductionTable(m_programFolder.toStdString(), m_table, m_sink);
}

void TForm1::FormClose() {}

}  // namespace gui
