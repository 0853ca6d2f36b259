#include "settings_store.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <map>

#include "object_index.h"
#include "settings_file.h"
#include "window_place.h"

namespace settings {

namespace {

QWidget* windowOf(const Windows& windows, Window window)
{
    switch (window) {
    case Window::Main:
        return windows.main;
    case Window::Editor:
        return windows.editor;
    case Window::Help:
        return windows.help;
    case Window::Journal:
        return windows.journal;
    }
    return nullptr;
}

QObject* targetOf(ObjectIndex& objects, const Windows& windows, const Key& key)
{
    return objects.find(windowOf(windows, key.window), key.target);
}

int integerValue(const std::optional<std::string>& stored, const Key& key)
{
    if (stored)
        if (const std::optional<int> v = parseInteger(*stored))
            return *v;
    return parseInteger(key.defaultValue).value_or(0);
}

// Checked or not; checking unchecks the rest of its group, and unchecking
// the checked button leaves the group with none.
void setRadio(QAbstractButton* button, bool on)
{
    if (on || !button->isChecked()) {
        button->setChecked(on);
        return;
    }
    if (QButtonGroup* group = button->group()) {
        const bool exclusive = group->exclusive();
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(exclusive);
    } else {
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(exclusive);
    }
}

// A check box changed as by the user, so that its own click runs.
void setCheck(QAbstractButton* box, bool on)
{
    if (box->isChecked() == on)
        return;
    if (box->isEnabled())
        box->click();
    else
        box->setChecked(on);
}

struct Geometry {
    std::map<KeyKind, int> values;
    std::map<KeyKind, int> defaults;
};

void placeWindow(QWidget* window, const Geometry& g)
{
    std::optional<QSize> outer;
    if (g.values.count(KeyKind::Width))
        outer = QSize(g.values.at(KeyKind::Width), g.values.at(KeyKind::Height));
    settings::placeWindow(window, {g.values.at(KeyKind::Left), g.values.at(KeyKind::Top)},
                          {g.defaults.at(KeyKind::Left), g.defaults.at(KeyKind::Top)}, outer);
}

std::string currentValue(QObject* target, const Key& key, int languageTag)
{
    auto* widget = qobject_cast<QWidget*>(target);
    switch (key.kind) {
    case KeyKind::Top:
        return std::to_string(frameCorner(widget).y());
    case KeyKind::Left:
        return std::to_string(frameCorner(widget).x());
    case KeyKind::Height:
        return std::to_string(outerSize(widget).height());
    case KeyKind::Width:
        return std::to_string(outerSize(widget).width());
    case KeyKind::Text:
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            return edit->text().toStdString();
        break;
    case KeyKind::Language:
        return std::to_string(languageTag);
    case KeyKind::Radio:
    case KeyKind::Check:
        if (auto* button = qobject_cast<QAbstractButton*>(target))
            return button->isChecked() ? "1" : "0";
        break;
    case KeyKind::Mark:
        if (auto* item = qobject_cast<QAction*>(target))
            return item->isChecked() ? "1" : "0";
        break;
    }
    return key.defaultValue;
}

// The document, or an empty one when the file is missing or refused.
IniDocument readDocument(const QString& path, files::ReadOutcome& outcome)
{
    std::string bytes;
    outcome = files::readRegularFile(QFile::encodeName(path).toStdString(), kMaxSettingsFileSize, bytes);
    return IniDocument::parse(bytes);
}

}  // namespace

LoadOutcome load(const QString& path, const Windows& windows)
{
    LoadOutcome outcome;
    const IniDocument doc = readDocument(path, outcome.file);
    std::vector<const Key*> order;
    for (const Key& key : keyTable())
        order.push_back(&key);
    std::stable_sort(order.begin(), order.end(),
                     [](const Key* a, const Key* b) { return readingRank(a->kind) < readingRank(b->kind); });

    std::map<Window, Geometry> geometry;
    ObjectIndex objects;
    for (const Key* key : order) {
        const std::optional<std::string> stored = doc.value(key->section, key->key);
        QObject* target = targetOf(objects, windows, *key);
        switch (key->kind) {
        case KeyKind::Top:
        case KeyKind::Left:
        case KeyKind::Height:
        case KeyKind::Width:
            geometry[key->window].values[key->kind] = integerValue(stored, *key);
            geometry[key->window].defaults[key->kind] = integerValue(std::nullopt, *key);
            break;
        case KeyKind::Text:
            if (auto* edit = qobject_cast<QLineEdit*>(target))
                edit->setText(QString::fromStdString(stored.value_or(key->defaultValue)));
            break;
        case KeyKind::Language:
            outcome.languageTag = integerValue(stored, *key);
            break;
        case KeyKind::Radio:
            if (auto* button = qobject_cast<QAbstractButton*>(target))
                setRadio(button, integerValue(stored, *key) != 0);
            break;
        case KeyKind::Check:
            if (auto* button = qobject_cast<QAbstractButton*>(target))
                setCheck(button, integerValue(stored, *key) != 0);
            break;
        case KeyKind::Mark:
            if (auto* item = qobject_cast<QAction*>(target))
                item->setChecked(integerValue(stored, *key) != 0);
            break;
        }
    }
    for (const auto& [window, g] : geometry)
        if (QWidget* w = windowOf(windows, window))
            placeWindow(w, g);
    return outcome;
}

files::WriteOutcome save(const QString& path, const Windows& windows, int languageTag)
{
    files::ReadOutcome existing;
    IniDocument doc = readDocument(path, existing);
    const std::string file = QFile::encodeName(path).toStdString();
    switch (existing.status) {
    case files::ReadStatus::Read:
    case files::ReadStatus::Missing:
        break;
    case files::ReadStatus::NotRegular:
        return {files::WriteStatus::NotRegular, 0, file};
    case files::ReadStatus::TooLarge:
        return {files::WriteStatus::Failed, EFBIG, file};
    case files::ReadStatus::Failed:
        return {files::WriteStatus::Failed, existing.error, file};
    }
    ObjectIndex objects;
    for (const Key& key : keyTable()) {
        QObject* target = key.kind == KeyKind::Language ? windows.main : targetOf(objects, windows, key);
        // a component that does not exist keeps what the file holds
        const std::string value = target ? currentValue(target, key, languageTag)
                                         : doc.value(key.section, key.key).value_or(key.defaultValue);
        doc.set(key.section, key.key, value);
    }

    // the user's folder may not exist yet; when it cannot be made, the write says why
    QDir().mkpath(QFileInfo(path).absolutePath());
    return files::writeFileAtomically(file, doc.text());
}

}  // namespace settings
