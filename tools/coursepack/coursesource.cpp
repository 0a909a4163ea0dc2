#include "tools/coursepack/coursesource.h"

#include "common/recordfile.h"
#include "common/spaces.h"
#include "common/windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <optional>
#include <toml++/toml.h>

namespace {

class Reader {
public:
    Reader(QString file, QStringList& errors) : file_(std::move(file)), errors_(errors) {}

    void error(const toml::source_region& where, const QString& field, const QString& message) {
        errors_.append(
            QStringLiteral("%1:%2: %3: %4").arg(file_).arg(where.begin.line).arg(field, message));
    }

    // A text that a record can hold exactly as written: refused, never cut or
    // altered, when Windows-1252 cannot encode it or it needs more than 126 bytes.
    std::optional<QString> recordText(const toml::node& node, const QString& field) {
        QString text;
        if (const auto* s = node.as_string())
            text = QString::fromStdString(s->get());
        else if (const auto* i = node.as_integer())
            text = QString::number(i->get());
        else {
            error(node.source(), field, QStringLiteral("expected a text or a whole number"));
            return std::nullopt;
        }
        const std::optional<QByteArray> bytes = windows1252::encode(text);
        if (!bytes) {
            error(node.source(), field,
                  QStringLiteral("\"%1\" has a character Windows-1252 cannot encode").arg(text));
            return std::nullopt;
        }
        if (bytes->size() > RecordFile::maxTextBytes) {
            error(node.source(), field,
                  QStringLiteral("%1 bytes, more than the %2 a record holds")
                      .arg(bytes->size())
                      .arg(RecordFile::maxTextBytes));
            return std::nullopt;
        }
        return text;
    }

    // Reads the table's fields through `fields`; a field it does not know is an error
    // (most likely a typing mistake that would otherwise be silently lost).
    void fields(const toml::table& table, const QString& what,
                const std::function<bool(const QString& name, const toml::node& value)>& field) {
        for (const auto& [key, value] : table) {
            const QString name = QString::fromStdString(std::string(key.str()));
            if (!field(name, value))
                error(value.source(), name, QStringLiteral("unknown field of %1").arg(what));
        }
    }

    const toml::array* arrayOfTables(const toml::table& root, const char* name) {
        const toml::node* node = root.get(name);
        if (!node)
            return nullptr;
        const toml::array* array = node->as_array();
        if (!array || !array->is_array_of_tables()) {
            error(node->source(), QString::fromLatin1(name),
                  QStringLiteral("expected [[%1]] tables").arg(QString::fromLatin1(name)));
            return nullptr;
        }
        return array;
    }

private:
    QString file_;
    QStringList& errors_;
};

std::optional<toml::table> parse(const QString& path, QStringList& errors) {
    try {
        return toml::parse_file(path.toStdString());
    } catch (const toml::parse_error& e) {
        errors.append(QStringLiteral("%1:%2: %3")
                          .arg(path)
                          .arg(e.source().begin.line)
                          .arg(QString::fromStdString(std::string(e.description()))));
        return std::nullopt;
    }
}

const QStringList slotNames = {QStringLiteral("cle"),       QStringLiteral("texte"),
                               QStringLiteral("numModule"), QStringLiteral("media"),
                               QStringLiteral("genre"),     QStringLiteral("annexe"),
                               QStringLiteral("suivante"),  QStringLiteral("precedente"),
                               QStringLiteral("style"),     QStringLiteral("bandeau")};

void readPages(const QString& path, Course& course, QStringList& errors) {
    const std::optional<toml::table> root = parse(path, errors);
    if (!root)
        return;
    Reader r(path, errors);
    r.fields(*root, QStringLiteral("a pages file"),
             [](const QString& name, const toml::node&) { return name == u"page"; });
    const toml::array* pages = r.arrayOfTables(*root, "page");
    if (!pages)
        return;
    for (const toml::node& node : *pages) {
        const toml::table& table = *node.as_table();
        PageRecord page;
        r.fields(table, QStringLiteral("a page"), [&](const QString& name, const toml::node& v) {
            const int slot = slotNames.indexOf(name);
            if (slot < 0)
                return false;
            if (const std::optional<QString> text = r.recordText(v, name))
                page.setSlot(slot, *text);
            return true;
        });
        if (trimSpaces(page.cle).isEmpty())
            r.error(table.source(), QStringLiteral("cle"),
                    QStringLiteral("a page needs a key (an empty key ends the table)"));
        course.pages.append(page);
    }
}

void readDictionary(const QString& path, Course& course, QStringList& errors) {
    const std::optional<toml::table> root = parse(path, errors);
    if (!root)
        return;
    Reader r(path, errors);
    r.fields(*root, QStringLiteral("the dictionary"),
             [](const QString& name, const toml::node&) { return name == u"entree"; });
    const toml::array* entries = r.arrayOfTables(*root, "entree");
    if (!entries)
        return;
    for (const toml::node& node : *entries) {
        const toml::table& table = *node.as_table();
        std::optional<QString> motCle;
        QStringList pages;
        r.fields(table, QStringLiteral("an entry"), [&](const QString& name, const toml::node& v) {
            if (name == u"mot") {
                motCle = r.recordText(v, name);
                if (motCle && motCle->isEmpty())
                    r.error(v.source(), name,
                            QStringLiteral("an empty keyword ends the dictionary"));
                return true;
            }
            if (name != u"pages")
                return false;
            const toml::array* keys = v.as_array();
            if (!keys) {
                r.error(v.source(), name, QStringLiteral("expected a list of page keys"));
                return true;
            }
            for (const toml::node& key : *keys) {
                if (const std::optional<QString> text = r.recordText(key, name))
                    pages.append(*text);
            }
            return true;
        });
        if (!motCle) {
            r.error(table.source(), QStringLiteral("mot"),
                    QStringLiteral("an entry needs a keyword"));
            continue;
        }
        for (const QString& page : pages)
            course.dictionary.append({*motCle, page});
    }
}

void readQuestion(Reader& r, const toml::table& table, QuestionSource& q) {
    std::optional<QString> nbChoix;
    r.fields(table, QStringLiteral("a question"), [&](const QString& name, const toml::node& v) {
        QString* text = name == u"nature"    ? &q.nature
                        : name == u"attendu" ? &q.attendu
                        : name == u"motCle"  ? &q.motCle
                        : name == u"corrige" ? &q.corrige
                        : name == u"renvoi"  ? &q.renvoi
                        : name == u"image"   ? &q.image
                                             : nullptr;
        if (text) {
            if (const std::optional<QString> value = r.recordText(v, name))
                *text = *value;
            return true;
        }
        if (name == u"nbChoix") {
            nbChoix = r.recordText(v, name);
            return true;
        }
        if (name != u"choix")
            return false;
        const toml::array* choices = v.as_array();
        if (!choices || choices->size() > 5) {
            r.error(v.source(), name, QStringLiteral("expected a list of at most five choices"));
            return true;
        }
        for (const toml::node& choice : *choices) {
            if (const std::optional<QString> text = r.recordText(choice, name))
                q.choix.append(*text);
        }
        return true;
    });
    if (q.nature != u"1" && q.nature != u"2" && q.nature != u"3")
        r.error(
            table.source(), QStringLiteral("nature"),
            QStringLiteral("expected 1 (single choice), 2 (multiple choice) or 3 (typed answer)"));
    if (q.nature != u"3")
        q.nbChoix = nbChoix.value_or(QString::number(q.choix.size()));
}

void readTest(const QString& path, Course& course, QStringList& errors) {
    const std::optional<toml::table> root = parse(path, errors);
    if (!root)
        return;
    Reader r(path, errors);
    TestSource test;
    std::optional<QString> nombre;
    r.fields(*root, QStringLiteral("a test"), [&](const QString& name, const toml::node& v) {
        if (name == u"document") {
            test.document = r.recordText(v, name).value_or(QString());
            return true;
        }
        if (name == u"nombre") {
            nombre = r.recordText(v, name);
            return true;
        }
        return name == u"question";
    });
    if (const toml::array* questions = r.arrayOfTables(*root, "question")) {
        for (const toml::node& node : *questions) {
            QuestionSource q;
            readQuestion(r, *node.as_table(), q);
            test.questions.append(q);
        }
    }
    test.nombre = nombre.value_or(QString::number(test.questions.size()));
    course.tests.insert(QFileInfo(path).completeBaseName() + QStringLiteral(".GLT"), test);
}

QStringList tomlFiles(const QString& directory) {
    QStringList paths;
    const QDir dir(directory);
    for (const QString& name : dir.entryList({QStringLiteral("*.toml")}, QDir::Files, QDir::Name))
        paths.append(dir.filePath(name));
    return paths;
}

} // namespace

SourceResult readCourseSource(const QString& sourceDirectory) {
    SourceResult result;
    const QDir source(sourceDirectory);
    if (!source.exists()) {
        result.errors.append(
            QStringLiteral("%1: no such course source folder").arg(sourceDirectory));
        return result;
    }
    const QStringList pageFiles = tomlFiles(source.filePath(QStringLiteral("pages")));
    if (pageFiles.isEmpty())
        result.errors.append(QStringLiteral("%1: no pages/*.toml").arg(sourceDirectory));
    for (const QString& path : pageFiles)
        readPages(path, result.course, result.errors);
    if (QFileInfo::exists(source.filePath(QStringLiteral("dictionary.toml"))))
        readDictionary(source.filePath(QStringLiteral("dictionary.toml")), result.course,
                       result.errors);
    for (const QString& path : tomlFiles(source.filePath(QStringLiteral("tests"))))
        readTest(path, result.course, result.errors);
    return result;
}

QStringList namedDataFiles(const Course& course) {
    QStringList names;
    auto add = [&](const QString& name) {
        if (!trimSpaces(name).isEmpty() && !names.contains(name))
            names.append(name);
    };
    for (const PageRecord& page : course.pages) {
        add(page.texte);
        const bool video = page.genre == u"AVI sonorisé" || page.genre == u"AVI non sonorisé";
        if (video || page.genre.startsWith(QStringLiteral("Image")))
            add(page.media);
        if (video)
            add(page.annexe);
    }
    for (const TestSource& test : course.tests) {
        add(test.document);
        for (const QuestionSource& q : test.questions)
            add(q.image);
    }
    return names;
}
