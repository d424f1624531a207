object loginform: Tloginform
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = '系统登陆'
  ClientHeight = 206
  ClientWidth = 330
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  Position = poDesktopCenter
  OnCreate = FormCreate
  OnShow = FormShow
  object VxGroupBox1: TVxGroupBox
    Left = 8
    Top = 8
    Width = 314
    Height = 190
    Transparent = True
    object Label1: TLabel
      Left = 24
      Top = 24
      Width = 65
      Height = 13
      Caption = '操作员编号'
    end
    object Label2: TLabel
      Left = 24
      Top = 56
      Width = 65
      Height = 13
      Caption = '操作员姓名'
    end
    object Label4: TLabel
      Left = 24
      Top = 88
      Width = 65
      Height = 13
      Caption = '操作员密码'
    end
    object Label3: TLabel
      Left = 24
      Top = 118
      Width = 156
      Height = 13
      Caption = '系统管理员初始密码为 空'
    end
    object cbusername: TComboBox
      Left = 104
      Top = 20
      Width = 185
      Height = 21
      ItemHeight = 13
      TabOrder = 0
      OnChange = cbusernameChange
      OnExit = cbusernameExit
    end
    object Edit1: TEdit
      Left = 104
      Top = 52
      Width = 185
      Height = 21
      ReadOnly = True
      TabOrder = 1
    end
    object edtpassword: TEdit
      Left = 104
      Top = 84
      Width = 185
      Height = 21
      PasswordChar = '*'
      TabOrder = 2
      OnKeyDown = edtpasswordKeyDown
    end
    object button1: TBitBtn
      Left = 56
      Top = 146
      Width = 75
      Height = 25
      Caption = '登陆'
      TabOrder = 3
      OnClick = Button1Click
    end
    object button2: TBitBtn
      Left = 184
      Top = 146
      Width = 75
      Height = 25
      Caption = '退出'
      TabOrder = 4
      OnClick = Button2Click
    end
  end
end
