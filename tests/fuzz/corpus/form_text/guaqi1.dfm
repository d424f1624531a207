object guaqi: Tguaqi
  Left = 0
  Top = 0
  BorderIcons = []
  BorderStyle = bsSingle
  Caption = '暂时离开'
  ClientHeight = 150
  ClientWidth = 300
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  Position = poDesktopCenter
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 284
    Height = 134
    Caption = '暂时离开'
    TabOrder = 0
    object Label1: TLabel
      Left = 24
      Top = 36
      Width = 26
      Height = 13
      Caption = '密码'
    end
    object Edit1: TEdit
      Left = 64
      Top = 32
      Width = 193
      Height = 21
      PasswordChar = '*'
      TabOrder = 0
    end
    object BitBtn1: TBitBtn
      Left = 40
      Top = 84
      Width = 75
      Height = 25
      Caption = '离开'
      TabOrder = 1
      OnClick = BitBtn1Click
    end
    object BitBtn2: TBitBtn
      Left = 168
      Top = 84
      Width = 75
      Height = 25
      Caption = '取消'
      TabOrder = 2
      OnClick = BitBtn2Click
    end
    object BitBtn3: TBitBtn
      Left = 104
      Top = 84
      Width = 75
      Height = 25
      Caption = '唤醒'
      TabOrder = 3
      Visible = False
      OnClick = BitBtn3Click
    end
  end
end
