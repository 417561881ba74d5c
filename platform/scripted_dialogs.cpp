#include "scripted_dialogs.h"

namespace skelvora {

MsgAnswer ScriptedDialogs::messageBox(QWidget*, const QString& text, const QString& caption,
                                      MsgButtons buttons, MsgIcon icon, MsgAnswer defaultButton)
{
    shown.push_back({Kind::Message, text, caption, buttons, icon, defaultButton, {}});
    if (answers.empty())
        return defaultButton;
    MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::nextFile()
{
    if (files.empty())
        return std::nullopt;
    QString f = files.front();
    files.pop_front();
    if (f.isEmpty())
        return std::nullopt;
    return f;
}

std::optional<QString> ScriptedDialogs::openFile(QWidget*, const FileDialogOptions& o)
{
    shown.push_back({Kind::Open, o.title, {}, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok, o});
    return nextFile();
}

std::optional<QString> ScriptedDialogs::saveFile(QWidget*, const FileDialogOptions& o)
{
    shown.push_back({Kind::Save, o.title, {}, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok, o});
    return nextFile();
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget*, const QColor&)
{
    shown.push_back({Kind::Color, {}, {}, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok, {}});
    if (colors.empty())
        return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
}

bool ScriptedDialogs::printDialog(QWidget*, QPrinter& printer)
{
    shown.push_back({Kind::Print, {}, {}, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok, {}});
    bool ok = false;
    if (!prints.empty()) {
        ok = prints.front();
        prints.pop_front();
    }
    if (ok && onPrint)
        onPrint(printer);
    return ok;
}

bool ScriptedDialogs::printerSetup(QWidget*, QPrinter&)
{
    shown.push_back({Kind::PrintSetup, {}, {}, MsgButtons::Ok, MsgIcon::Information, MsgAnswer::Ok, {}});
    return false;
}

QStringList ScriptedDialogs::messages() const
{
    QStringList out;
    for (const auto& s : shown)
        if (s.kind == Kind::Message)
            out << s.text;
    return out;
}

const ScriptedDialogs::Shown* ScriptedDialogs::lastMessage() const
{
    for (auto it = shown.rbegin(); it != shown.rend(); ++it)
        if (it->kind == Kind::Message)
            return &*it;
    return nullptr;
}

} // namespace skelvora
