#include "helpfile.h"

#include "common/windows1252.h"

#include <QFile>
#include <QRegularExpression>
#include <optional>

namespace {

QString inlineHtml(const QString& line) {
    static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    static const QRegularExpression shortcut(QStringLiteral("&amp;(\\w)"));
    return line.toHtmlEscaped()
        .replace(bold, QStringLiteral("<b>\\1</b>"))
        .replace(shortcut, QStringLiteral("<u>\\1</u>"));
}

QString plain(const QString& line) {
    static const QRegularExpression shortcut(QStringLiteral("&(\\w)"));
    return QString(line).remove(QStringLiteral("**")).replace(shortcut, QStringLiteral("\\1"));
}

// Builds one topic's HTML line by line, closing a paragraph, a list or an example
// when a line of another kind comes.
class TopicBuilder {
public:
    explicit TopicBuilder(const QString& title) {
        topic_.title = title;
        topic_.text = title;
    }

    void add(const QString& line) {
        if (line.startsWith(QStringLiteral("    ")) && !line.trimmed().isEmpty())
            return open(Block::Example, line.mid(4).toHtmlEscaped(), line.mid(4));
        const QString text = line.trimmed();
        if (text.isEmpty())
            return close();
        if (text.startsWith(QStringLiteral("## "))) {
            close();
            topic_.html += QStringLiteral("<h3>%1</h3>").arg(inlineHtml(text.mid(3)));
            return note(text.mid(3));
        }
        if (text.startsWith(QStringLiteral("- ")))
            return open(Block::List, QStringLiteral("<li>%1</li>").arg(inlineHtml(text.mid(2))),
                        text.mid(2));
        if (text.startsWith(QStringLiteral("! ")))
            return picture(text.mid(2));
        open(Block::Paragraph, inlineHtml(text), text);
    }

    HelpTopic finish() {
        close();
        return topic_;
    }

private:
    enum class Block { None, Paragraph, List, Example };

    void open(Block block, const QString& html, const QString& text) {
        if (block_ != block) {
            close();
            block_ = block;
            topic_.html += block == Block::Paragraph ? QStringLiteral("<p>")
                           : block == Block::List    ? QStringLiteral("<ul>")
                                                     : QStringLiteral("<pre>");
        } else if (block == Block::Paragraph) {
            topic_.html += u' ';
        } else if (block == Block::Example) {
            topic_.html += u'\n';
        }
        topic_.html += html;
        note(text);
    }

    void close() {
        if (block_ == Block::Paragraph)
            topic_.html += QStringLiteral("</p>");
        else if (block_ == Block::List)
            topic_.html += QStringLiteral("</ul>");
        else if (block_ == Block::Example)
            topic_.html += QStringLiteral("</pre>");
        block_ = Block::None;
    }

    void picture(const QString& line) {
        close();
        const qsizetype space = line.indexOf(u' ');
        const QString file = space < 0 ? line : line.left(space);
        const QString caption = space < 0 ? QString() : line.mid(space + 1).trimmed();
        topic_.html += QStringLiteral("<p align=\"center\"><img src=\"%1\"/><br/><i>%2</i></p>")
                           .arg(file.toHtmlEscaped(), inlineHtml(caption));
        note(caption);
    }

    void note(const QString& text) { topic_.text += u'\n' + plain(text); }

    HelpTopic topic_;
    Block block_ = Block::None;
};

} // namespace

HelpFile parseHelp(const QString& text) {
    const QStringList lines = QString(text).remove(u'\r').split(u'\n');
    HelpFile help{lines.value(0).trimmed(), {}};
    std::optional<TopicBuilder> topic;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(QStringLiteral("# "))) {
            if (topic)
                help.topics.append(topic->finish());
            topic.emplace(line.mid(2).trimmed());
        } else if (topic) {
            topic->add(line);
        }
    }
    if (topic)
        help.topics.append(topic->finish());
    return help;
}

HelpFile readHelpFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("Aide"),
                {{QStringLiteral("Fichier d'aide introuvable"),
                  QStringLiteral("<p>Le fichier d'aide est introuvable : %1</p>")
                      .arg(path.toHtmlEscaped()),
                  QString()}}};
    return parseHelp(windows1252::decode(file.readAll()));
}

QString foldForSearch(const QString& text) {
    QString folded;
    for (const QChar c : text.toLower().normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == u'œ')
            folded += QStringLiteral("oe");
        else if (c == u'æ')
            folded += QStringLiteral("ae");
        else
            folded += c;
    }
    return folded;
}
