#pragma once

struct TestWindowContext;

// The main window's test commands. Test button i starts chapter i's test, or resumes
// the test in progress after saying so; `btexo` returns to the test in progress.
// After the window closes, the page the pupil asked for is shown.
void testcours_Click(int i, TestWindowContext& context);
void btexo_Click(TestWindowContext& context);
