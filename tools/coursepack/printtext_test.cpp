#include "tools/coursepack/printtext.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PrintBoxText, ShowsBreaksAndPositions) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("q.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi #RP-01\\par \\'c9t\\'e9\\tab x\\line "
               "{\\pict\\wmetafile8\\picwgoal150\\pichgoal150 01}\\par #-o-O-o-#}");
    file.close();
    QString printed;
    QString errors;
    QTextStream out(&printed);
    QTextStream err(&errors);
    EXPECT_TRUE(printBoxText(file.fileName(), out, err));
    out.flush();
    EXPECT_EQ(printed, u"     0  #RP-01¶\n"
                       "     8  Été→x↵\n"
                       "    14  ▣¶\n"
                       "    17  #-o-O-o-#\n"_qs);
}

TEST(PrintBoxText, RefusesAFileThatIsNotRtf) {
    QString printed;
    QString errors;
    QTextStream out(&printed);
    QTextStream err(&errors);
    EXPECT_FALSE(printBoxText(QStringLiteral("/nonexistent/q.rtf"), out, err));
    err.flush();
    EXPECT_TRUE(errors.contains(u"not a readable RTF file"_qs));
}

} // namespace
