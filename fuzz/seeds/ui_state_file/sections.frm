[TFormMain]
DrawsStatLen=-5
LayoutCompareLen3=abc
Language=1033
StakesLogEnabled=1
[TFormRepeats]
Window=10;10;500;400
