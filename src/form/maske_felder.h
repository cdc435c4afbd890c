#pragma once
// Every control of the main window, page by page, with its start state: one
// line per control (kind, name, start value). The form model declares a member
// for each line and indexes them by name; the Qt binder and the scenario runner
// share that index.

#include "form/steuerelemente.h"

#define PELMARK_SEITE_ROHRTEILE(F)                                                                 \
    F(Liste, LB_AD1, Liste::Listbox())                                                             \
    F(Liste, LB_AD2, Liste::Listbox())                                                             \
    F(Schalter, RB_DIN_Rohr, Schalter{true, true, "Standard"})                                     \
    F(Schalter, RB_ANSI_Rohr, Schalter{false, true, "Standard"})                                   \
    F(Liste, LB_WD_Reihe, Liste::Listbox())                                                        \
    F(Liste, LB_PN, Liste::Listbox())                                                              \
    F(Liste, LB_Radius, Liste::Listbox())                                                          \
    F(Edit, E_DA1, Edit::Ausgabe())                                                                \
    F(Edit, E_WD1, Edit::Ausgabe())                                                                \
    F(Edit, E_DA2, Edit::Ausgabe())                                                                \
    F(Edit, E_WD2, Edit::Ausgabe())                                                                \
    F(Edit, E_Flanschhoehe, Edit::Ausgabe())                                                       \
    F(Edit, E_Blattdm, Edit::Ausgabe())                                                            \
    F(Edit, E_Blattbreite, Edit::Ausgabe())                                                        \
    F(Edit, E_Lochkreis, Edit::Ausgabe())                                                          \
    F(Edit, E_Anz_Schr, Edit::Ausgabe())                                                           \
    F(Edit, E_Schr_Dm, Edit::Ausgabe())                                                            \
    F(Beschriftung, L_Schr_dm, Beschriftung::Text("mm"))                                           \
    F(Edit, E_Schrlg_FL_FL, Edit::Ausgabe())                                                       \
    F(Edit, E_Bolzenlg_Fl_Fl, Edit::Ausgabe())                                                     \
    F(Edit, E_Radius_Bogen, Edit::Ausgabe())                                                       \
    F(Edit, E_L_Bogen15, Edit::Ausgabe())                                                          \
    F(Edit, E_L_Bogen30, Edit::Ausgabe())                                                          \
    F(Edit, E_L_Bogen45, Edit::Ausgabe())                                                          \
    F(Edit, E_L_Bogen60, Edit::Ausgabe())                                                          \
    F(Edit, E_L_Bogen75, Edit::Ausgabe())                                                          \
    F(Edit, E_T_BL_a, Edit::Ausgabe())                                                             \
    F(Edit, E_T_BL_b, Edit::Ausgabe())                                                             \
    F(Edit, E_L_Bg_T, Edit::Ausgabe())                                                             \
    F(Edit, E_L_T_Stueck_Fl, Edit::Ausgabe())                                                      \
    F(Edit, E_Red_BL, Edit::Ausgabe())                                                             \
    F(Edit, E_L_Bg_Fl, Edit::Ausgabe())                                                            \
    F(Edit, E_Kappe_BL, Edit::Ausgabe())                                                           \
    F(Knopf, B_Info, Knopf{})                                                                      \
    F(Knopf, BitBtn1, Knopf{})                                                                     \
    F(Bild, Image2, Bild{})                                                                        \
    F(Bild, Image3, Bild{})                                                                        \
    F(Bild, Image4, Bild{})                                                                        \
    F(Bild, Image5, Bild{})                                                                        \
    F(Bild, Image6, Bild{})                                                                        \
    F(Bild, Image7, Bild{})                                                                        \
    F(Bild, Image8, Bild{})                                                                        \
    F(Bild, Image9, Bild{})

#define PELMARK_SEITE_ARMATUREN(F)                                                                 \
    F(Liste, LB_Armaturen_NW, Liste::Listbox())                                                    \
    F(Liste, LB_Armaturen_PN, Liste::Listbox())                                                    \
    F(Beschriftung, L_Ventil, Beschriftung::Text("Baulg"))                                         \
    F(Edit, E_Ventil, Edit::Ausgabe())                                                             \
    F(Beschriftung, L_Regelventil, Beschriftung::Text("Baulg"))                                    \
    F(Edit, E_Regelventil, Edit::Ausgabe())                                                        \
    F(Beschriftung, L_Schieber_Kurz, Beschriftung::Text("Baulg"))                                  \
    F(Edit, E_Schieber_Kurz, Edit::Ausgabe())                                                      \
    F(Beschriftung, L_Schieber_Lang, Beschriftung::Text("Baulg"))                                  \
    F(Edit, E_Schieber_Lang, Edit::Ausgabe())                                                      \
    F(Beschriftung, L_Kugelhahn_kurz, Beschriftung::Text("Baulg"))                                 \
    F(Edit, E_Kugelhahn_Kurz, Edit::Ausgabe())                                                     \
    F(Beschriftung, L_Kugelhahn_Lang, Beschriftung::Text("Baulg"))                                 \
    F(Edit, E_Kugelhahn_Lang, Edit::Ausgabe())                                                     \
    F(Beschriftung, L_Zwischenflanschklappe_kurz, Beschriftung::Text("Baulg"))                     \
    F(Edit, E_Zwischenflanschklappe_kurz, Edit::Ausgabe())                                         \
    F(Beschriftung, L_Zwischenflanschklappe_lang, Beschriftung::Text("Baulg"))                     \
    F(Edit, E_Zwischenflanschklappe_lang, Edit::Ausgabe())                                         \
    F(Beschriftung, L_Flanschklappe_kurz, Beschriftung::Text("Baulg"))                             \
    F(Edit, E_Flanschklappe_kurz, Edit::Ausgabe())                                                 \
    F(Beschriftung, L_Flanschklappe_Lang, Beschriftung::Text("Baulg"))                             \
    F(Edit, E_Flanschklappe_Lang, Edit::Ausgabe())                                                 \
    F(Beschriftung, L_Rueckschlagventil1, Beschriftung::Text("Baulg"))                             \
    F(Edit, E_Rueckschlagventil1, Edit::Ausgabe())                                                 \
    F(Beschriftung, L_Rueckschlagventil2, Beschriftung::Text("Baulg"))                             \
    F(Edit, E_Rueckschlagventil2, Edit::Ausgabe())                                                 \
    F(Beschriftung, L_Rueckschlagklappe, Beschriftung::Text("Baulg"))                              \
    F(Edit, E_Rueckschlagklappe, Edit::Ausgabe())                                                  \
    F(Beschriftung, L_Y_Siebe, Beschriftung::Text("Baulg"))                                        \
    F(Edit, E_Y_Siebe, Edit::Ausgabe())                                                            \
    F(Textblock, Memo1,                                                                            \
      Textblock{{"Gegenüberstellung alte mit neuen Baureihen", "F1    1", "F2    2",               \
                 "F4    14  (DN10 jetzt l=115 in F4 l=110)", "F5    15",                           \
                 "F7    26  (DN 450 ist in Reihe 26 neu l=1050)", "F16  13", "K1    20",           \
                 "K3    16", "K4    16 (nur bis DN600)"}})                                         \
    F(Bild, Image10, Bild{})                                                                       \
    F(Bild, Image11, Bild{})                                                                       \
    F(Bild, Image12, Bild{})                                                                       \
    F(Bild, Image13, Bild{})                                                                       \
    F(Bild, Image14, Bild{})                                                                       \
    F(Bild, Image15, Bild{})                                                                       \
    F(Bild, Image16, Bild{})                                                                       \
    F(Bild, Image17, Bild{})                                                                       \
    F(Knopf, BitBtn2, Knopf{})

#define PELMARK_SEITE_LAGER(F)                                                                     \
    F(Liste, LB_Lager_NW, Liste::Listbox())                                                        \
    F(Edit, E_h_01, Edit::Ausgabe())                                                               \
    F(Edit, E_b_01, Edit::Ausgabe())                                                               \
    F(Edit, E_h_02, Edit::Ausgabe())                                                               \
    F(Edit, E_b_02, Edit::Ausgabe())                                                               \
    F(Edit, E_i_02, Edit::Ausgabe())                                                               \
    F(Edit, E_h_03, Edit::Ausgabe())                                                               \
    F(Edit, E_b_03, Edit::Ausgabe())                                                               \
    F(Edit, E_h_04, Edit::Ausgabe())                                                               \
    F(Edit, E_b_04, Edit::Ausgabe())                                                               \
    F(Edit, E_h_GL05, Edit::Ausgabe())                                                             \
    F(Edit, E_b_GL05, Edit::Ausgabe())                                                             \
    F(Edit, E_h_FP05, Edit::Ausgabe())                                                             \
    F(Edit, E_b_FP05, Edit::Ausgabe())                                                             \
    F(Edit, E_h_GL06, Edit::Ausgabe())                                                             \
    F(Edit, E_b_Gl06, Edit::Ausgabe())                                                             \
    F(Edit, E_h_FP06, Edit::Ausgabe())                                                             \
    F(Edit, E_b_FP06, Edit::Ausgabe())                                                             \
    F(Edit, E_h_GL12, Edit::Ausgabe())                                                             \
    F(Edit, E_b_GL12, Edit::Ausgabe())                                                             \
    F(Edit, E_h_FP12, Edit::Ausgabe())                                                             \
    F(Edit, E_b_FP12, Edit::Ausgabe())                                                             \
    F(Edit, E_h_GL13, Edit::Ausgabe())                                                             \
    F(Edit, E_b_Gl13, Edit::Ausgabe())                                                             \
    F(Edit, E_h_FP13, Edit::Ausgabe())                                                             \
    F(Edit, E_b_FP13, Edit::Ausgabe())                                                             \
    F(Bild, Image18, Bild{})                                                                       \
    F(Bild, Image19, Bild{})                                                                       \
    F(Bild, Image20, Bild{})                                                                       \
    F(Bild, Image21, Bild{})                                                                       \
    F(Bild, Image22, Bild{})                                                                       \
    F(Bild, Image23, Bild{})                                                                       \
    F(Bild, Image24, Bild{})                                                                       \
    F(Bild, Image25, Bild{})                                                                       \
    F(Knopf, BitBtn7, Knopf{})

#define PELMARK_SEITE_PROFILE(F)                                                                   \
    F(Bild, P_Profilart, Bild{})                                                                   \
    F(Beschriftung, L_Profilart, Beschriftung::Text("Winkel gleichschenkelig"))                    \
    F(Liste, LB_Profilart, Liste::Listbox())                                                       \
    F(Liste, LB_Profil, Liste::Listbox())                                                          \
    F(Beschriftung, L_Profil, Beschriftung::Name())                                                \
    F(Edit, E_b, Edit::Ausgabe())                                                                  \
    F(Edit, E_h, Edit::Ausgabe())                                                                  \
    F(Edit, E_s, Edit::Ausgabe())                                                                  \
    F(Edit, E_t, Edit::Ausgabe())                                                                  \
    F(Edit, E_w, Edit::Ausgabe())                                                                  \
    F(Edit, E_d, Edit::Ausgabe())                                                                  \
    F(Edit, E_Wmax, Edit::Ausgabe())                                                               \
    F(Edit, E_Imax, Edit::Ausgabe())                                                               \
    F(Edit, E_Wmin, Edit::Ausgabe())                                                               \
    F(Edit, E_Imin, Edit::Ausgabe())                                                               \
    F(Edit, E_A, Edit::Ausgabe())                                                                  \
    F(Edit, E_Gew, Edit::Ausgabe())                                                                \
    F(Knopf, BitBtn3, Knopf{})

#define PELMARK_SEITE_OPTIONEN(F)                                                                  \
    F(Edit, E_Winddruck, Edit::Eingabe())                                                          \
    F(Gitter, SG_Material, Gitter::Ohne_feste_Spalte(140, true))                                   \
    F(Liste, CB_Style, Liste::Combobox())                                                          \
    F(Beschriftung, Label55, Beschriftung::Text("Aktueller Windowsstyle:"))                        \
    F(Beschriftung, L_Style, Beschriftung::Name())                                                 \
    F(Knopf, B_Programminfo, Knopf{})                                                              \
    F(Knopf, B_Ende, Knopf{})

#define PELMARK_SEITE_KONSTRUKTION(F)                                                              \
    F(Liste, LB_DN1, Liste::Listbox())                                                             \
    F(Liste, LB_DN2, Liste::Listbox())                                                             \
    F(Liste, LB_PN1, Liste::Listbox())                                                             \
    F(Liste, LB_PN2, Liste::Listbox())                                                             \
    F(Edit, E_Isolierdicke1, Edit::Eingabe())                                                      \
    F(Edit, E_Isolierdicke2, Edit::Eingabe())                                                      \
    F(Edit, E_Abstand_Anlage, Edit::Ausgabe())                                                     \
    F(Edit, E_Abstand_RBR, Edit::Ausgabe())                                                        \
    F(Liste, LB_NW, Liste::Listbox())                                                              \
    F(Liste, LB_Temperatur, Liste::Listbox())                                                      \
    F(Edit, E_Isolierstaerke, Edit::Ausgabe())                                                     \
    F(Edit, E_Beruehrungsschutzisolierung, Edit::Ausgabe())                                        \
    F(Edit, E_NW, Edit::Ausgabe())                                                                 \
    F(Edit, E_Wd, Edit::Ausgabe())                                                                 \
    F(Edit, E_Isolierdicke, Edit::Eingabe())                                                       \
    F(Edit, E_Gamma, Edit::Eingabe())                                                              \
    F(Edit, E_Masse_Ltg, Edit::Ausgabe())                                                          \
    F(Edit, E_Masse_Fuellung, Edit::Ausgabe())                                                     \
    F(Edit, E_Masse_Isolierung, Edit::Ausgabe())                                                   \
    F(Edit, E_Gesammtmasse, Edit::Ausgabe())                                                       \
    F(Edit, E_Windlast_isoliert, Edit::Ausgabe())                                                  \
    F(Edit, E_Windlast_unisoliert, Edit::Ausgabe())                                                \
    F(Schalter, RB1, Schalter{true, true, "Lager"})                                                \
    F(Schalter, RB2, Schalter{false, true, "Lager"})                                               \
    F(Schalter, RB3, Schalter{false, true, "Lager"})                                               \
    F(Edit, E_Stuetzweite_leer_unisoliert, Edit::Ausgabe())                                        \
    F(Edit, E_Stuetzweite_leer_isoliert, Edit::Ausgabe())                                          \
    F(Edit, E_Stuetzweite_voll_unisoliert, Edit::Ausgabe())                                        \
    F(Edit, E_Stuetzweite_Voll_isoliert, Edit::Ausgabe())                                          \
    F(Knopf, BitBtn8, Knopf{})                                                                     \
    F(Beschriftung, L_Leitung_Konstruktion, Beschriftung::Text(""))

#define PELMARK_SEITE_DEHNUNG(F)                                                                   \
    F(Edit, E_Dehnung_Endtemp, Edit::Eingabe("0"))                                                 \
    F(Edit, E_Dehnung_Ausgangstemp, Edit::Eingabe("20"))                                           \
    F(Edit, E_Dehnung_L, Edit::Eingabe("0"))                                                       \
    F(Edit, E_Dehnung_DL, Edit::Ausgabe("0"))                                                      \
    F(Edit, E_F_Dehnung, Edit::Ausgabe("0"))                                                       \
    F(Beschriftung, L_AD_Dehnkraft, Beschriftung::Text(".."))                                      \
    F(Beschriftung, L_WD_Dehnkraft, Beschriftung::Text(".."))                                      \
    F(Edit, E_Winkel_L1, Edit::Eingabe("0"))                                                       \
    F(Edit, E_Winkel_Lmin, Edit::Ausgabe("0"))                                                     \
    F(Edit, E_Winkel_Lmax, Edit::Ausgabe("0"))                                                     \
    F(Edit, E_Z_L1, Edit::Eingabe("0"))                                                            \
    F(Edit, E_Z_Lmin, Edit::Ausgabe("0"))                                                          \
    F(Edit, E_z_Lmax, Edit::Ausgabe("0"))                                                          \
    F(Edit, E_U_L1, Edit::Eingabe("0"))                                                            \
    F(Edit, E_U_Lmin, Edit::Ausgabe("0"))                                                          \
    F(Textblock, Memo2,                                                                            \
      Textblock{{"Achtung!!", "Die Berechnung berücksichtigt keine Belastungen durch",             \
                 "Leitungsgewicht, Innendruck, Windkräfte, Erdbeben etc."}})                       \
    F(Bild, I_Rohrdehnung, Bild{})                                                                 \
    F(Edit, E_Menge, Edit::Eingabe("0"))                                                           \
    F(Edit, E_Innendurchmesser, Edit::Eingabe("0"))                                                \
    F(Edit, E_Geschwindigkeit, Edit::Eingabe("0"))                                                 \
    F(Schalter, RB_Q, Schalter{false, true, "Fix"})                                                \
    F(Schalter, RB_Id, Schalter{false, true, "Fix"})                                               \
    F(Schalter, RB_W, Schalter{false, true, "Fix"})                                                \
    F(Knopf, BitBtn6, Knopf{})                                                                     \
    F(Edit, E_Dampfdruck, Edit::Eingabe("-"))                                                      \
    F(Schalter, RB_Druck_Fix, Schalter{true, true, "Dampf"})                                       \
    F(Edit, E_Dampftemperatur, Edit::Ausgabe("-"))                                                 \
    F(Schalter, RB_Temperatur_Fix, Schalter{false, true, "Dampf"})                                 \
    F(Beschriftung, L_Wert_V, Beschriftung::Text("-"))                                             \
    F(Beschriftung, L_Wert_h, Beschriftung::Text("-"))                                             \
    F(Beschriftung, L_Wert_r, Beschriftung::Text("-"))                                             \
    F(Knopf, BitBtn10, Knopf{})                                                                    \
    F(Beschriftung, L_Leitung_Dehnung, Beschriftung::Text(""))                                     \
    F(Beschriftung, L_Info1, Beschriftung::Text("Leitungsmaterial siehe Berechnungswerte"))

#define PELMARK_SEITE_TABELLEN(F)                                                                  \
    F(Liste, DriveComboBox1, Liste::Combobox())                                                    \
    F(Ordnerliste, DirectoryListBox1, Ordnerliste{})                                               \
    F(Ordnerliste, FileListBox1, Ordnerliste{"", {}, -1, "*.CSV"})                                 \
    F(Gitter, SG_Tabellen, Gitter::Ohne_feste_Spalte())                                            \
    F(Knopf, B_Speichern, Knopf{})                                                                 \
    F(Schalter, CB_Edit, Schalter{false, false, ""})                                               \
    F(Knopf, BitBtn9, Knopf{})                                                                     \
    F(Beschriftung, L_Gespeichert, Beschriftung::Text(""))                                         \
    F(Beschriftung, Label122,                                                                      \
      Beschriftung::Text("Achtung! Die erste Zeile im Editiermodus gibt die Spaltenbreite an"))

#define PELMARK_SEITE_FORMELN(F)                                                                   \
    F(Bild, Image1, Bild{"", 1000, 631})                                                           \
    F(Knopf, B_Graphik_laden, Knopf{})                                                             \
    F(Knopf, BitBtn4, Knopf{})

#define PELMARK_SEITE_MASSUMWANDLUNG(F)                                                            \
    F(Liste, LB_Massart, Liste::Listbox())                                                         \
    F(Liste, LB_Quellmass, Liste::Listbox())                                                       \
    F(Liste, LB_Zielmass, Liste::Listbox())                                                        \
    F(Edit, E_Anz_Quellmass, Edit::Eingabe("1"))                                                   \
    F(Beschriftung, L_Quelle, Beschriftung::Name())                                                \
    F(Bild, Image30, Bild{"", 125, 127})                                                           \
    F(Edit, E_Anz_Zielmass, Edit::Eingabe(""))                                                     \
    F(Beschriftung, L_Ziel, Beschriftung::Name())                                                  \
    F(Knopf, BitBtn5, Knopf{})

// The page "Rohrbau": offsets, rolling offsets and elbows cut to angle for
// the pipe and elbow chosen on the first page. Its tab and panels are named
// controls of the page too.
#define PELMARK_SEITE_ROHRBAU(F)                                                                   \
    F(Beschriftung, TS_Rohrbau, Beschriftung::Text("Rohrbau"))                                     \
    F(Beschriftung, P_Etage, Beschriftung::Text("Etage"))                                          \
    F(Beschriftung, P_Raumetage, Beschriftung::Text("Raumetage"))                                  \
    F(Beschriftung, P_Bogen_kuerzen, Beschriftung::Text("Bogen kürzen"))                           \
    F(Beschriftung, L_Rohrbau_Auswahl, Beschriftung::Name())                                       \
    F(Edit, E_Etage_Versatz, Edit::Eingabe("500"))                                                 \
    F(Schalter, RB_Etage_Winkel, Schalter{true, true, "Etage"})                                    \
    F(Schalter, RB_Etage_Laenge, Schalter{false, true, "Etage"})                                   \
    F(Edit, E_Etage_Winkel, Edit::Eingabe("45"))                                                   \
    F(Edit, E_Etage_Laenge, Edit::Eingabe("1000"))                                                 \
    F(Edit, E_Etage_Spalt, Edit::Eingabe("0"))                                                     \
    F(Edit, E_Etage_Alpha, Edit::Ausgabe())                                                        \
    F(Edit, E_Etage_Schraeg, Edit::Ausgabe())                                                      \
    F(Edit, E_Etage_Lauf, Edit::Ausgabe())                                                         \
    F(Edit, E_Etage_Abzug, Edit::Ausgabe())                                                        \
    F(Edit, E_Etage_Zuschnitt, Edit::Ausgabe())                                                    \
    F(Edit, E_Etage_Kleinster, Edit::Ausgabe())                                                    \
    F(Edit, E_Etage_Seitenversatz, Edit::Eingabe("0"))                                             \
    F(Edit, E_Etage_Wahrer_Versatz, Edit::Ausgabe())                                               \
    F(Edit, E_Etage_Drehwinkel, Edit::Ausgabe())                                                   \
    F(Edit, E_Bogen_Winkel, Edit::Eingabe(""))                                                     \
    F(Edit, E_Bogen_Alpha, Edit::Ausgabe())                                                        \
    F(Edit, E_Bogen_Ruecken, Edit::Ausgabe())                                                      \
    F(Edit, E_Bogen_Kehle, Edit::Ausgabe())                                                        \
    F(Edit, E_Bogen_Mitte, Edit::Ausgabe())                                                        \
    F(Edit, E_Bogen_Abzug, Edit::Ausgabe())                                                        \
    F(Knopf, B_Zuschnittblatt, Knopf{})

// The ten tab pages, named as controls too; their caption is the tab text.
#define PELMARK_REITERSEITEN(F)                                                                    \
    F(Beschriftung, TS_Rohrteile, Beschriftung::Text("Maße Rohrteile"))                            \
    F(Beschriftung, TS_Armaturen, Beschriftung::Text("Maße Armaturen"))                            \
    F(Beschriftung, TS_Lager, Beschriftung::Text("Maße Lager"))                                    \
    F(Beschriftung, TS_Profile, Beschriftung::Text("Maße Profile"))                                \
    F(Beschriftung, TS_Berechnungswerte, Beschriftung::Text("Optionen"))                           \
    F(Beschriftung, TS_Konstruktionsdaten, Beschriftung::Text("Konstruktionsdaten"))               \
    F(Beschriftung, TS_Dehnung, Beschriftung::Text("Dehnung, Durchfluss, Dampftafel"))             \
    F(Beschriftung, TS_Tabellen, Beschriftung::Text("Tabellen"))                                   \
    F(Beschriftung, TS_Graphiken, Beschriftung::Text("Formeln"))                                   \
    F(Beschriftung, TS_Massumwandlung, Beschriftung::Text("Massumwandlung"))

// The panels of the pages, which carry their heading as a caption (empty when
// a panel has none), and the picture-open dialog: named controls without a
// value of their own.
#define PELMARK_TAFELN_UND_DIALOGE(F)                                                              \
    F(Beschriftung, P_Rohre, Beschriftung::Text(""))                                               \
    F(Beschriftung, P_Armaturen, Beschriftung::Text(""))                                           \
    F(Beschriftung, P_Unterstuetzungen, Beschriftung::Text(""))                                    \
    F(Beschriftung, P_Profile1, Beschriftung::Text("Profilauswahl"))                               \
    F(Beschriftung, P_Profile2, Beschriftung::Text("Abmessungen"))                                 \
    F(Beschriftung, P_Profile3, Beschriftung::Text(""))                                            \
    F(Beschriftung, P_Grundeinstellungen, Beschriftung::Text(""))                                  \
    F(Beschriftung, P_Abstaende, Beschriftung::Text("Rohrleitungsabstände"))                       \
    F(Beschriftung, P_Isolierstaerke, Beschriftung::Text("Isolierdicke lt. Velk:"))                \
    F(Beschriftung, P_Gewichte, Beschriftung::Text(""))                                            \
    F(Beschriftung, P_Rohrdehnung, Beschriftung::Text(""))                                         \
    F(Beschriftung, P_Durchfluss, Beschriftung::Text(""))                                          \
    F(Beschriftung, P_Dampf, Beschriftung::Text("Wasserdampftabelle"))                             \
    F(Beschriftung, P_Tabellen, Beschriftung::Text(""))                                            \
    F(Dateidialog, DLG_Bild_Laden, Dateidialog{"JPEG-Grafikdatei (*.jpg)|*.jpg", ""})              \
    F(Beschriftung, P_Graphik, Beschriftung::Text(""))                                             \
    F(Beschriftung, P_Massumwandlung, Beschriftung::Text(""))

// The branch and mitre templates: empty diameter fields take DN2 and DN1 of
// the first page, an empty radius the radius type chosen there.
#define PELMARK_SCHABLONEN(F)                                                                      \
    F(Edit, E_Stutzen_Da, Edit::Eingabe(""))                                                       \
    F(Edit, E_Hauptrohr_Da, Edit::Eingabe(""))                                                     \
    F(Edit, E_Stutzen_Winkel, Edit::Eingabe("90"))                                                 \
    F(Edit, E_Stutzen_Aussermitte, Edit::Eingabe("0"))                                             \
    F(Edit, E_Stutzen_Teilung, Edit::Eingabe("16"))                                                \
    F(Beschriftung, L_Stutzen_Masse, Beschriftung::Name())                                         \
    F(Edit, E_Stutzen_Abwicklung, Edit::Ausgabe())                                                 \
    F(Edit, E_Stutzen_Tiefe, Edit::Ausgabe())                                                      \
    F(Textblock, M_Stutzen_Ordinaten, Textblock{})                                                 \
    F(Knopf, B_Stutzen_Drucken, Knopf{})                                                           \
    F(Knopf, B_Stutzen_Pdf, Knopf{})                                                               \
    F(Edit, E_Segment_Da, Edit::Eingabe(""))                                                       \
    F(Edit, E_Segment_Radius, Edit::Eingabe(""))                                                   \
    F(Edit, E_Segment_Winkel, Edit::Eingabe("90"))                                                 \
    F(Edit, E_Segment_Teile, Edit::Eingabe("4"))                                                   \
    F(Edit, E_Segment_Teilung, Edit::Eingabe("16"))                                                \
    F(Beschriftung, L_Segment_Masse, Beschriftung::Name())                                         \
    F(Edit, E_Segment_Schnittwinkel, Edit::Ausgabe())                                              \
    F(Textblock, M_Segment_Stuecke, Textblock{})                                                   \
    F(Textblock, M_Segment_Ordinaten, Textblock{})                                                 \
    F(Knopf, B_Segment_Drucken, Knopf{})                                                           \
    F(Knopf, B_Segment_Pdf, Knopf{})
