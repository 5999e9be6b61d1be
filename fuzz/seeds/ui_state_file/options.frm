[TFormMain]
LeftPanelWidth=300
DrawsStatLen=500
TabCard=0
Language=1033
