object xiugaimima: Txiugaimima
  Left = 330
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '修改密码'
  ClientHeight = 220
  ClientWidth = 320
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  FormStyle = fsMDIChild
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 304
    Height = 204
    Caption = '密码修改'
    TabOrder = 0
    object Label1: TLabel
      Left = 24
      Top = 28
      Width = 65
      Height = 13
      Caption = '操作员编号'
    end
    object Label2: TLabel
      Left = 24
      Top = 60
      Width = 65
      Height = 13
      Caption = '旧密码'
    end
    object Label3: TLabel
      Left = 24
      Top = 92
      Width = 65
      Height = 13
      Caption = '新密码'
    end
    object Label4: TLabel
      Left = 24
      Top = 124
      Width = 65
      Height = 13
      Caption = '确认新密码'
    end
    object Edit1: TEdit
      Left = 112
      Top = 24
      Width = 161
      Height = 21
      Enabled = False
      TabOrder = 0
    end
    object Edit2: TEdit
      Left = 112
      Top = 56
      Width = 161
      Height = 21
      PasswordChar = '*'
      TabOrder = 1
    end
    object Edit3: TEdit
      Left = 112
      Top = 88
      Width = 161
      Height = 21
      PasswordChar = '*'
      TabOrder = 2
    end
    object Edit4: TEdit
      Left = 112
      Top = 120
      Width = 161
      Height = 21
      PasswordChar = '*'
      TabOrder = 3
    end
    object BitBtn1: TBitBtn
      Left = 56
      Top = 160
      Width = 75
      Height = 25
      Caption = '确认'
      TabOrder = 4
      OnClick = BitBtn1Click
    end
    object BitBtn2: TBitBtn
      Left = 184
      Top = 160
      Width = 75
      Height = 25
      Caption = '退出'
      TabOrder = 5
      OnClick = BitBtn2Click
    end
  end
end
