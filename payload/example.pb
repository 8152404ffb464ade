; -----------------------------------------------------------------------------
; Velkor_400_test.pb - Beispiel zur UserLibrary Velkor_400
; Version 1.07 vom 13.09.2007
; Autor: Ormund Kessler
; PureBasic 4.00, 4.01, 4.02, 4.10 (Windows)
; -----------------------------------------------------------------------------
; Das Programm lädt die sechs Bildleisten aus dem Unterordner "bilder",
; zeigt sie untereinander an und füllt sie mit dem Schieberegler wie
; Fortschrittsbalken. Mit "Lauf" laufen alle Leisten nacheinander voll.
; Bitte aus dem Ordner Examples\QZLibs starten, damit die Bilder gefunden werden.
; -----------------------------------------------------------------------------

EnableExplicit

#Fenster = 0
#Leisten = 6

Enumeration 10
  #Gadget_Leiste1
  #Gadget_Leiste2
  #Gadget_Leiste3
  #Gadget_Leiste4
  #Gadget_Leiste5
  #Gadget_Leiste6
  #Gadget_Regler
  #Gadget_Stand
  #Gadget_Lauf
  #Gadget_Text
  #Gadget_Ende
EndEnumeration

Structure Leiste
  Nummer.l
  Gadget.l
  Datei.s
  Stand.l
EndStructure

Global Dim Leisten.Leiste(#Leisten)
Global Laeuft.l, LaufLeiste.l

Declare.l LeistenLaden()
Declare   LeistenZeigen()
Declare   StandSetzen(Stand.l)
Declare   LaufSchritt()
Declare   Aufraeumen()

; Lädt bilder\00001.bmp bis bilder\00006.bmp; das Ergebnis ist die Zahl der
; geladenen Leisten.
Procedure.l LeistenLaden()
  Protected i.l, Anzahl.l
  For i = 1 To #Leisten
    Leisten(i)\Datei = "bilder\" + RSet(Str(i), 5, "0") + ".bmp"
    Leisten(i)\Nummer = VelkorLoadStrip(#PB_Any, Leisten(i)\Datei)
    If Leisten(i)\Nummer
      Anzahl + 1
    Else
      Debug "Bild fehlt: " + Leisten(i)\Datei
    EndIf
  Next
  ProcedureReturn Anzahl
EndProcedure

; Legt für jede geladene Leiste ein Gadget an, eine unter der anderen.
Procedure LeistenZeigen()
  Protected i.l, y.l = 10
  For i = 1 To #Leisten
    Leisten(i)\Gadget = #Gadget_Leiste1 + i - 1
    If Leisten(i)\Nummer
      VelkorStripGadget(Leisten(i)\Gadget, 20, y, Leisten(i)\Nummer)
      VelkorSetStripText(Leisten(i)\Gadget, "Bild " + Str(i))
      VelkorSetStripState(Leisten(i)\Gadget, 100)
    Else
      TextGadget(Leisten(i)\Gadget, 20, y + 3, 160, 16, "(" + Leisten(i)\Datei + " fehlt)")
    EndIf
    y + 26
  Next
EndProcedure

; Setzt alle Leisten auf denselben Stand in Prozent.
Procedure StandSetzen(Stand.l)
  Protected i.l
  For i = 1 To #Leisten
    If Leisten(i)\Nummer
      VelkorSetStripState(Leisten(i)\Gadget, Stand)
      Leisten(i)\Stand = VelkorGetStripState(Leisten(i)\Gadget)
    EndIf
  Next
  SetGadgetText(#Gadget_Stand, Str(Stand) + " %")
EndProcedure

; Ein Schritt des Laufs: die aktuelle Leiste wächst um zwei Prozent; ist sie
; voll, kommt die nächste dran. Nach der letzten ist der Lauf zu Ende.
Procedure LaufSchritt()
  Protected Stand.l
  If LaufLeiste > #Leisten
    Laeuft = #False
    SetGadgetText(#Gadget_Lauf, "Lauf")
    SetGadgetText(#Gadget_Text, "Fertig.")
    ProcedureReturn
  EndIf
  If Leisten(LaufLeiste)\Nummer = 0
    LaufLeiste + 1
    ProcedureReturn
  EndIf
  Stand = VelkorGetStripState(Leisten(LaufLeiste)\Gadget) + 2
  VelkorSetStripState(Leisten(LaufLeiste)\Gadget, Stand)
  VelkorSetStripText(Leisten(LaufLeiste)\Gadget, Str(Stand) + " %")
  If Stand >= 100
    VelkorSetStripText(Leisten(LaufLeiste)\Gadget, "Bild " + Str(LaufLeiste) + " fertig")
    LaufLeiste + 1
  EndIf
EndProcedure

Procedure Aufraeumen()
  Protected i.l
  For i = 1 To #Leisten
    If Leisten(i)\Nummer
      VelkorFreeStrip(Leisten(i)\Nummer)
      Leisten(i)\Nummer = 0
    EndIf
  Next
EndProcedure

; --- Hauptprogramm ---------------------------------------------------------

Define Ereignis.l, Ende.l, i.l, Titel.s

If VelkorInit() = 0
  MessageRequester("Velkor_400", "Die Library Velkor_400 konnte nicht gestartet werden.")
  End
EndIf

If VelkorVersion() < 107
  MessageRequester("Velkor_400", "Dieses Beispiel braucht Velkor_400 ab Version 1.07." + Chr(13) + "Gefunden: " + StrF(VelkorVersion() / 100.0, 2))
EndIf

If LeistenLaden() = 0
  MessageRequester("Velkor_400", "Keine Bilder gefunden." + Chr(13) + "Das Beispiel erwartet den Ordner 'bilder' neben der Quelldatei.")
EndIf

Titel = "Velkor_400 " + StrF(VelkorVersion() / 100.0, 2) + " - Beispiel"
If OpenWindow(#Fenster, 0, 0, 200, 290, Titel, #PB_Window_SystemMenu | #PB_Window_MinimizeGadget | #PB_Window_ScreenCentered)
  If CreateGadgetList(WindowID(#Fenster))
    LeistenZeigen()
    TrackBarGadget(#Gadget_Regler, 15, 170, 130, 25, 0, 100)
    SetGadgetState(#Gadget_Regler, 100)
    TextGadget(#Gadget_Stand, 150, 175, 40, 16, "100 %")
    ButtonGadget(#Gadget_Lauf, 20, 205, 75, 24, "Lauf")
    ButtonGadget(#Gadget_Ende, 105, 205, 75, 24, "Ende")
    TextGadget(#Gadget_Text, 20, 240, 160, 40, "Regler ziehen oder 'Lauf' drücken.")
  EndIf

  Repeat
    If Laeuft
      Ereignis = WaitWindowEvent(20)
      If Ereignis = 0
        LaufSchritt()
      EndIf
    Else
      Ereignis = WaitWindowEvent()
    EndIf

    Select Ereignis
      Case #PB_Event_Gadget
        Select EventGadget()
          Case #Gadget_Regler
            If Laeuft = #False
              StandSetzen(GetGadgetState(#Gadget_Regler))
            EndIf
          Case #Gadget_Lauf
            If Laeuft
              Laeuft = #False
              SetGadgetText(#Gadget_Lauf, "Lauf")
              SetGadgetText(#Gadget_Text, "Angehalten.")
            Else
              StandSetzen(0)
              For i = 1 To #Leisten
                If Leisten(i)\Nummer
                  VelkorSetStripText(Leisten(i)\Gadget, "")
                EndIf
              Next
              LaufLeiste = 1
              Laeuft = #True
              SetGadgetText(#Gadget_Lauf, "Halt")
              SetGadgetText(#Gadget_Text, "Läuft ...")
            EndIf
          Case #Gadget_Ende
            Ende = #True
        EndSelect
      Case #PB_Event_CloseWindow
        Ende = #True
    EndSelect
  Until Ende
EndIf

Aufraeumen()
End

; -----------------------------------------------------------------------------
; Kurzübersicht der Befehle von Velkor_400 (ausführlich in Help\Velkor400.chm)
; -----------------------------------------------------------------------------
;
; Ergebnis = VelkorInit()
;   Bereitet die Library vor. Einmal vor allen anderen Befehlen aufrufen.
;   Das Ergebnis ist ungleich 0, wenn die Library bereit ist.
;
; Ergebnis = VelkorLoadStrip(#Leiste, Datei$)
;   Lädt eine Bildleiste aus einer BMP-Datei mit 160 x 20 Bildpunkten und
;   24 Bit Farbtiefe. #PB_Any als Nummer liefert eine neue Nummer.
;   Bei einem Fehler ist das Ergebnis 0.
;
; Ergebnis = VelkorStripGadget(#Gadget, x, y, #Leiste)
;   Erzeugt in der aktuellen Gadgetliste ein Gadget, das die Bildleiste zeigt.
;   Das Gadget ist immer 160 x 20 Bildpunkte groß.
;
; VelkorSetStripText(#Gadget, Text$)
;   Schreibt einen Text mittig auf die Leiste; ein leerer Text entfernt ihn.
;
; VelkorSetStripState(#Gadget, Stand)
;   Zeigt die Leiste nur bis Stand Prozent (0 bis 100) ihrer Breite, der Rest
;   bleibt grau. Werte außerhalb werden begrenzt.
;
; Stand = VelkorGetStripState(#Gadget)
;   Liefert den gesetzten Stand.
;
; VelkorFreeStrip(#Leiste)
;   Gibt eine geladene Leiste frei; Gadgets, die sie zeigen, werden leer.
;
; Version = VelkorVersion()
;   Liefert die Version der Library als Zahl, 107 für 1.07.
;
; -----------------------------------------------------------------------------
; Versionsgeschichte
;   1.07  13.09.2007  Windows Vista tauglich, PureBasic 4.10
;   1.05  01.02.2007  VelkorGetStripState, Text mittig
;   1.00  20.06.2006  erste Ausgabe für PureBasic 4.00
; -----------------------------------------------------------------------------
