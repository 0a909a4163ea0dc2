#!/usr/bin/env bash
# A chapter's knowledge test through the real window: opened from the chemistry
# table, one right answer, one wrong answer, and back to the course page.
source "$(dirname "$0")/../runner.sh"

start_on_summary
open_chapter_one_test
test=$(window_of_width 790) || fail "no test window"
shot "1-test-strip"

click "$test" 218 272 # the right choice of question 1
click "$test" 312 426 # validate
sleep 0.5
shot "2-right-answer"
sleep 1.5

click "$test" 218 308 # question 2: a wrong box only
click "$test" 312 426
sleep 0.8
shot "3-wrong-answer"
feedback=$(window_of_width 381) || fail "no wrong-answer window"
click "$feedback" 190 100 # Voir le cours
sleep 1
window=$(wait_window "Chimie" 10) || fail "the course page is not shown"
shot "4-course-page"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
