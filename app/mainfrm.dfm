object MAIN: TMAIN
  Left = 0
  Top = 0
  Width = 1024
  Height = 740
  Caption = 'Serviora'
  Color = clAppWorkSpace
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  FormStyle = fsMDIForm
  Menu = MainMenu1
  WindowState = wsMaximized
  OnClose = FormClose
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  OnResize = FormResize
  OnShow = FormShow
  object Image1: TImage
    Left = 0
    Top = 64
    Width = 1016
    Height = 598
    Align = alClient
    Stretch = True
  end
  object Label1: TLabel
    Left = 200
    Top = 200
    Width = 600
    Height = 57
    Alignment = taCenter
    AutoSize = False
    Caption = 'Kavendi手机店'
    Font.Charset = 134
    Font.Color = clYellow
    Font.Height = -60
    Font.Name = '楷体_GB2312'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object Label2: TLabel
    Left = 200
    Top = 200
    Width = 600
    Height = 65
    Alignment = taCenter
    AutoSize = False
    Caption = 'Serviora'
    Font.Charset = 134
    Font.Color = clYellow
    Font.Height = -60
    Font.Name = '楷体_GB2312'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
  end
  object VxToolbar2: TVxToolbar
    Left = 0
    Top = 0
    Width = 1016
    Height = 64
    Images = ImageList2
    RowHeight = 60
    ButtonLayout = blGlyphTop
    ButtonWidth = 60
    ButtonHeight = 60
    ShowButtonCaptions = True
    TextOptions = ttoCustom
    BorderInner = fsNone
    BorderOuter = fsGroove
    BorderSides = [sdTop]
    Font.Charset = 134
    Font.Color = clBlue
    Font.Height = -14
    Font.Name = '宋体'
    Font.Style = [fsBold]
    ParentFont = False
    Transparent = True
    ToolbarControls = (
      VxToolButton9
      VxSpacer1
      VxToolButton11
      VxSpacer2
      VxToolButton10
      VxSpacer3
      VxToolButton4
      VxSpacer4
      VxToolButton12
      VxSpacer5
      VxToolButton14
      VxSpacer6
      VxToolButton5
      VxSpacer7
      VxToolButton6)
    object VxToolButton9: TVxToolButton
      Width = 68
      Height = 60
      Caption = '售后接待'
      ImageIndex = 6
      Layout = blGlyphTop
      OnClick = VxToolButton9Click
    end
    object VxSpacer1: TVxSpacer
    end
    object VxToolButton11: TVxToolButton
      Width = 68
      Height = 60
      Caption = '手机返厂'
      ImageIndex = 12
      Layout = blGlyphTop
      OnClick = VxToolButton11Click
    end
    object VxSpacer2: TVxSpacer
    end
    object VxToolButton10: TVxToolButton
      Width = 68
      Height = 60
      Caption = '手机返回'
      ImageIndex = 11
      Layout = blGlyphTop
      OnClick = VxToolButton10Click
    end
    object VxSpacer3: TVxSpacer
    end
    object VxToolButton4: TVxToolButton
      Width = 98
      Height = 60
      Caption = '手机交付顾客'
      ImageIndex = 13
      Layout = blGlyphTop
      OnClick = VxToolButton4Click
    end
    object VxSpacer4: TVxSpacer
    end
    object VxToolButton12: TVxToolButton
      Width = 68
      Height = 60
      Caption = '报表查询'
      ImageIndex = 10
      Layout = blGlyphTop
      OnClick = VxToolButton12Click
    end
    object VxSpacer5: TVxSpacer
    end
    object VxToolButton14: TVxToolButton
      Width = 68
      Height = 60
      Caption = '系统帮助'
      ImageIndex = 3
      Layout = blGlyphTop
      OnClick = VxToolButton14Click
    end
    object VxSpacer6: TVxSpacer
    end
    object VxToolButton5: TVxToolButton
      Width = 68
      Height = 60
      Caption = '暂时离开'
      ImageIndex = 5
      Layout = blGlyphTop
      OnClick = VxToolButton2Click
    end
    object VxSpacer7: TVxSpacer
    end
    object VxToolButton6: TVxToolButton
      Width = 60
      Height = 60
      Caption = '退出'
      ImageIndex = 2
      Layout = blGlyphTop
      OnClick = VxToolButton6Click
    end
  end
  object VxStatusBar1: TVxStatusBar
    Left = 0
    Top = 662
    Width = 1016
    Height = 24
    AutoStyle = False
    BorderInner = fsNone
    BorderOuter = fsNone
    BorderSides = [sdLeft, sdTop, sdRight, sdBottom]
    BorderWidth = 0
    object VxStatusPane1: TVxStatusPane
      Left = 0
      Top = 0
      Width = 227
      Height = 24
      Align = alLeft
      Alignment = taCenter
      Font.Charset = 134
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = '宋体'
      ParentFont = False
    end
    object VxMarqueeStatus1: TVxMarqueeStatus
      Left = 227
      Top = 0
      Width = 372
      Height = 24
      Align = alLeft
      Font.Charset = 134
      Font.Color = clRed
      Font.Height = -14
      Font.Name = '宋体'
      ParentFont = False
      ScrollDelay = 20
    end
    object VxClockStatus1: TVxClockStatus
      Left = 599
      Top = 0
      Width = 259
      Height = 24
      Align = alLeft
      Alignment = taCenter
      Font.Charset = 134
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = '宋体'
      ParentFont = False
      Format = 'dddddd tt'
    end
  end
  object MainMenu1: TMainMenu
    OwnerDraw = True
    object N1: TMenuItem
      Caption = '系统设置'
      object N2: TMenuItem
        Caption = '操作人员及权限设置'
        Enabled = False
        OnClick = N2Click
      end
      object N11: TMenuItem
        Caption = '修改密码'
        OnClick = N11Click
      end
      object N7: TMenuItem
        Caption = '店铺名称设置'
        Enabled = False
        OnClick = N7Click
      end
      object N3: TMenuItem
        Caption = '数据备份'
        Enabled = False
        OnClick = N3Click
      end
      object N12: TMenuItem
        Caption = '数据恢复'
        Enabled = False
        OnClick = N12Click
      end
      object N4: TMenuItem
        Caption = '数据初始化'
        Enabled = False
        OnClick = N4Click
      end
      object N8: TMenuItem
        Caption = '退出系统'
        OnClick = N8Click
      end
    end
    object N9: TMenuItem
      Caption = '基本操作'
      object N10: TMenuItem
        Caption = '售后接待'
        Enabled = False
        OnClick = N10Click
      end
      object N29: TMenuItem
        Caption = '手机返厂'
        Enabled = False
        OnClick = N29Click
      end
      object N30: TMenuItem
        Caption = '手机由厂家返回'
        Enabled = False
        OnClick = N30Click
      end
      object N31: TMenuItem
        Caption = '手机交付给顾客'
        Enabled = False
        OnClick = N31Click
      end
      object N5: TMenuItem
        Caption = '报表查询'
        Enabled = False
        OnClick = N5Click
      end
      object N6: TMenuItem
        Caption = '提醒'
        Enabled = False
        OnClick = N6Click
      end
    end
    object N13: TMenuItem
      Caption = '备用手机管理'
      object N14: TMenuItem
        Caption = '备用手机档案管理'
        Enabled = False
        OnClick = N14Click
      end
      object N15: TMenuItem
        Caption = '备用手机领用'
        Enabled = False
        OnClick = N15Click
      end
      object N16: TMenuItem
        Caption = '备用手机使用情况/返还'
        Enabled = False
        OnClick = N16Click
      end
    end
    object N26: TMenuItem
      Caption = '系统帮助'
      object N27: TMenuItem
        Caption = '帮助'
        OnClick = N27Click
      end
      object N28: TMenuItem
        Caption = '关于'
        OnClick = N28Click
      end
    end
  end
  object VxMenuController1: TVxMenuController
  end
  object SaveDialog1: TSaveDialog
    Filter = 'BAK文件|*.BAK|所有文件|*.*'
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer1Timer
  end
  object Timer2: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer2Timer
  end
  object ImageList2: TImageList
    Height = 32
    Width = 32
  end
  object OpenDialog1: TOpenDialog
    Filter = 'BAK文件|*.BAK|所有文件|*.*'
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinFormtype = sfMainform
    Options = [xoPreview, xoToolbarBK]
    MenuUpdate = True
    MenuMerge = False
  end
end
