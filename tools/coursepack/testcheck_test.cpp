#include "quiz/testcheck.h"
#include "tools/coursepack/build.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// coursepack is a console program: the checks must run without any application object.
TEST(TeachersChecks, TheFixtureCourseTestsHaveNoFault) {
    QTemporaryDir out;
    ASSERT_TRUE(buildCourse(QStringLiteral(FIXTURE_COURSE), out.path()).errors.isEmpty());
    const QStringList faults = checkTestInApplication(out.path(), QStringLiteral("TC01.GLT"));
    EXPECT_EQ(faults, QStringList()) << faults.join(u'\n').toStdString();
}

} // namespace
