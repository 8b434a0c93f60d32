// The program's windows, created in their fixed order.
#pragma once

// Creates Form1 (the main window), FormSobre, FormWeb, FormAtual,
// FormAtualizado, FormPokeMart and FormTmHm through the application object,
// each from its window definition; the six secondary windows stay hidden.
void CreateAllForms();
// Destroys the seven windows, and the type chart and the moves window when
// they were opened, and clears their globals (tests).
void DestroyAllForms();
