#!/usr/bin/env bash
# Through the chemistry table to a page and on: the summary, the table, a chapter
# unfolded, its first entry, the next page, then back twice onto the table.
source "$(dirname "$0")/../runner.sh"

start_on_summary
shot "1-summary"

click "$window" 141 76 # C&himie
sleep 0.5
shot "2-chemistry-table"

click "$window" 352 212 # the fold button of chapter 1
sleep 0.5
shot "3-chapter-unfolded"

click "$window" 412 252 # the chapter's first entry
window=$(wait_window "Chimie" 10) || fail "the entry's page is not shown"
sleep 0.5
shot "4-entry-page"

click "$window" 620 551 # the next page's link
sleep 0.5
wait_window "Chimie" 5 >/dev/null || fail "the next page is not shown"
shot "5-next-page"

click "$window" 49 551 # &Précédent
sleep 0.5
wait_window "Chimie" 5 >/dev/null || fail "back did not show the first page"
shot "6-back"

click "$window" 49 551 # &Précédent again: the chemistry table
window=$(wait_window "Solstice - LUMEN" 5) || fail "back did not reopen the table"
sleep 0.5
shot "7-back-to-table"
kill -0 "$navigator" 2>/dev/null || fail "the navigator ended"
echo "PASS"
