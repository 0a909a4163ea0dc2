#pragma once

struct NavigationContexte;

// A chapter's documentary-activity icon `DOCU`(index): its reading page, or the
// general summary for an icon that names none.
void DOCU_Click(NavigationContexte& contexte, int index);
