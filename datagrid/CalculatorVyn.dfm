object CalculatorVyn: TCalculatorVyn
  Left = 0
  Top = 0
  BorderStyle = bsNone
  ClientHeight = 127
  ClientWidth = 184
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 11
  object SpeedButton24: TSpeedButtonVyn
    Tag = 12
    Left = 151
    Top = 52
    Width = 27
    Height = 23
    Caption = 'Cancel'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton1: TSpeedButtonVyn
    Tag = 1
    Left = 6
    Top = 29
    Width = 27
    Height = 22
    Caption = '7'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton2: TSpeedButtonVyn
    Tag = 21
    Left = 64
    Top = 101
    Width = 27
    Height = 22
    Caption = '.'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton3: TSpeedButtonVyn
    Tag = 20
    Left = 35
    Top = 101
    Width = 27
    Height = 22
    Caption = '+/-'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton4: TSpeedButtonVyn
    Tag = 19
    Left = 6
    Top = 101
    Width = 27
    Height = 22
    Caption = '0'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton5: TSpeedButtonVyn
    Tag = 15
    Left = 64
    Top = 77
    Width = 27
    Height = 22
    Caption = '3'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton6: TSpeedButtonVyn
    Tag = 14
    Left = 35
    Top = 77
    Width = 27
    Height = 22
    Caption = '2'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton7: TSpeedButtonVyn
    Tag = 13
    Left = 6
    Top = 77
    Width = 27
    Height = 22
    Caption = '1'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton8: TSpeedButtonVyn
    Tag = 9
    Left = 64
    Top = 53
    Width = 27
    Height = 22
    Caption = '6'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton9: TSpeedButtonVyn
    Tag = 8
    Left = 35
    Top = 53
    Width = 27
    Height = 22
    Caption = '5'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton10: TSpeedButtonVyn
    Tag = 7
    Left = 6
    Top = 53
    Width = 27
    Height = 22
    Caption = '4'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton11: TSpeedButtonVyn
    Tag = 3
    Left = 64
    Top = 29
    Width = 27
    Height = 22
    Caption = '9'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton12: TSpeedButtonVyn
    Tag = 2
    Left = 35
    Top = 29
    Width = 27
    Height = 22
    Caption = '8'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton13: TSpeedButtonVyn
    Tag = 22
    Left = 93
    Top = 101
    Width = 27
    Height = 22
    Caption = '+'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton14: TSpeedButtonVyn
    Tag = 16
    Left = 93
    Top = 77
    Width = 27
    Height = 22
    Caption = '-'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton15: TSpeedButtonVyn
    Tag = 10
    Left = 93
    Top = 53
    Width = 27
    Height = 22
    Caption = '*'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton16: TSpeedButtonVyn
    Tag = 4
    Left = 93
    Top = 29
    Width = 27
    Height = 22
    Caption = '/'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object spEqual: TSpeedButtonVyn
    Tag = 23
    Left = 122
    Top = 101
    Width = 56
    Height = 22
    Caption = 'Ok'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton18: TSpeedButtonVyn
    Tag = 17
    Left = 122
    Top = 77
    Width = 27
    Height = 22
    Caption = '1/x'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton19: TSpeedButtonVyn
    Tag = 11
    Left = 122
    Top = 53
    Width = 27
    Height = 22
    Caption = '%'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton20: TSpeedButtonVyn
    Tag = 5
    Left = 122
    Top = 29
    Width = 27
    Height = 22
    Caption = 'sqrt'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlue
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton22: TSpeedButtonVyn
    Tag = 18
    Left = 151
    Top = 77
    Width = 27
    Height = 22
    Caption = '<-'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object SpeedButton23: TSpeedButtonVyn
    Tag = 6
    Left = 151
    Top = 29
    Width = 27
    Height = 46
    Caption = 'C'
    Flat = True
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Layout = blGlyphRight
    ParentFont = False
    Transparent = False
    OnClick = SpeedButtonClick
  end
  object Panel1: TPanel
    Left = 6
    Top = 4
    Width = 171
    Height = 19
    BevelOuter = bvNone
    BorderWidth = 2
    Color = clHighlightText
    TabOrder = 0
    object TextBox: TLabel
      Left = 2
      Top = 1
      Width = 166
      Height = 17
      Alignment = taRightJustify
      AutoSize = False
      Caption = '0'
      Color = clHighlightText
      Layout = tlCenter
    end
  end
end
