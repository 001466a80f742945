// The engine as the web page sees it: a small C interface over one running program. Texts
// go out as UTF-8 through buffers that stay valid until the next call that fills the same one.
#pragma once

extern "C" {

// Makes "ombra", "velto" or "quirn" the running program in its start-up state; 0 if unknown.
int tessaly_start(const char* program_id);

// The language of the graph, the menus, the dialogs and the page's own texts ("ja", "en") of
// every program started from now on, as a program keeps the language it was made with; 0 if
// the catalog has no such language.
int tessaly_set_language(const char* code);
// A text of the page in that language; the text itself where it has no translation.
const char* tessaly_localized(const char* source);

// The menu and the dialog templates of the running program, in its language, as JSON.
const char* tessaly_program_json();

// A window pass at the display magnification: the display list of what it draws, one
// primitive per line. The length in bytes is tessaly_list_length().
const char* tessaly_window_pass();
// The same graph on a printer page of dpi dots per inch, at the print magnification.
const char* tessaly_print_pass(int dpi);
int tessaly_list_length();
double tessaly_display_magnification();
double tessaly_print_magnification();

// A menu command or a typed character. Returns accepted (bit 0), the repaint (bits 1-2:
// 0 none, 1 erase, 2 overlay) and the shell's own action from bit 4 (0 none, 1 read,
// 2 save, 3 print, 4 quit, 5-7 dialogs 1-3, 8 help, 9 version).
int tessaly_command(int command);
int tessaly_key(int character);

// Values of dialog 0, 1 or 2 ("DLG1" to "DLG3"): how many, the "%g" text of one (which the
// dialog's box then holds), a box's text as the user left it, and OK storing every box.
int tessaly_dialog_count(int dialog);
const char* tessaly_dialog_text(int dialog, int index);
void tessaly_dialog_set(int dialog, int index, const char* text);
void tessaly_dialog_ok(int dialog);

// Data files: a buffer for the bytes of a file read (at most 8016 are used), the read itself,
// and the 8016 bytes a save writes.
unsigned char* tessaly_file_buffer();
void tessaly_read_file(int size);
const unsigned char* tessaly_save_file();

// The status text under the pointer at a logical screen position.
const char* tessaly_readout(double x, double y);

// What the last window pass showed, in words: its title (the circuit and the analysis), then
// one line per legend heading with the values the legend shows under it.
const char* tessaly_describe();

// The axis error the last pass reported (1 to 5), or 0; and its message.
int tessaly_take_error();
const char* tessaly_error_message(int code);

// The teaching views. Each returns what the window would do next: handled (bit 0), the
// repaint (bits 1-2, as tessaly_command), the marker or the diagram moved (bit 3: draw the
// overlay again), the diagram came or went (bit 4: the picture changes its width).
int tessaly_teaching_command(int command);
// key: 0 Escape, 1 Enter, 2 Backspace, 3 text (the UTF-8 text typed).
int tessaly_teaching_key(int key, const char* text);
int tessaly_pointer_at(double x, double y);  // logical screen units
int tessaly_pointer_left();
int tessaly_click_at(double x, double y);
int tessaly_lock_marker(double frequency, int curve);
int tessaly_predict(const char* text);
// The marker and the diagram over the last pass, as a display list at the display
// magnification; empty when neither is shown. The length is tessaly_list_length().
const char* tessaly_overlay_pass();
// What the status line says instead of the read-out ("" when nothing), and the state the page
// shows: bit 0 the diagram, bit 1 an exercise awaits a prediction, bit 2 the marker locked.
const char* tessaly_teaching_status();
int tessaly_teaching_state();

// A page's link (its query): the program started anew, the steps replayed as the renderer's
// --link replays them, the marker and the diagram handed to the teaching views. Returns the
// display list of the last pass ("" when the link names no program to draw); what it left
// out is tessaly_link_notes(), one line each.
const char* tessaly_follow_link(const char* query);
const char* tessaly_link_notes();
// The query of a link that draws the graph on show again.
const char* tessaly_state_link();

// A class set of the running program as tessaly-render PROGRAM --exercise EXERCISE --seeds
// SEEDS --paper PAPER --questions QUESTIONS --format pdf lays it out (from the program's
// start-up state, as the renderer starts): its pages as JSON, or "" when the renderer would
// refuse the arguments.
const char* tessaly_class_set(const char* exercise, const char* seeds, const char* paper,
                              int questions);
// Graph `index` of that class set's pages, printed at dpi dots per inch; its length is
// tessaly_list_length().
const char* tessaly_class_set_graph(int index, int dpi);
}
