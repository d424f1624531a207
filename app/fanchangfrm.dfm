object fanchang: Tfanchang
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '手机返厂'
  Width = 1019
  Height = 600
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  FormStyle = fsMDIChild
  Position = poDefaultPosOnly
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object GroupBox3: TGroupBox
    Left = 8
    Top = 8
    Width = 995
    Height = 508
    Caption = '等待返厂的手机列表'
    TabOrder = 0
    object ListView1: TListView
      Left = 2
      Top = 15
      Width = 991
      Height = 491
      Align = alClient
      Checkboxes = True
      Columns = <
      item
        Caption = '单据编号'
        Width = 120
      end
      item
        Alignment = taCenter
        Caption = '串码'
        Width = 150
      end
      item
        Alignment = taCenter
        Caption = '品牌'
        Width = 80
      end
      item
        Alignment = taCenter
        Caption = '型号'
        Width = 60
      end
      item
        Alignment = taCenter
        Caption = '配件'
      end
      item
        Alignment = taCenter
        Caption = '颜色'
        Width = 45
      end
      item
        Alignment = taCenter
        Caption = '厂家'
        Width = 80
      end
      item
        Caption = '价格'
      end
      item
        Alignment = taCenter
        Caption = '顾客姓名'
        Width = 75
      end
      item
        Alignment = taCenter
        Caption = '电话'
        Width = 100
      end
      item
        Alignment = taCenter
        Caption = '故障现象'
        Width = 100
      end
      item
        Alignment = taCenter
        Caption = '处理意见'
        Width = 75
      end>
      Font.Charset = 134
      Font.Color = clWindowText
      Font.Height = -15
      Font.Name = '宋体'
      GridLines = True
      ParentFont = False
      ReadOnly = True
      TabOrder = 0
      ViewStyle = vsReport
    end
  end
  object Button1: TButton
    Left = 16
    Top = 528
    Width = 75
    Height = 25
    Caption = '全选'
    TabOrder = 1
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 104
    Top = 528
    Width = 75
    Height = 25
    Caption = '全清'
    TabOrder = 2
    OnClick = Button2Click
  end
  object Label1: TLabel
    Left = 208
    Top = 534
    Width = 52
    Height = 13
    Caption = '返厂备注'
  end
  object Edit1: TEdit
    Left = 272
    Top = 530
    Width = 401
    Height = 21
    TabOrder = 3
  end
  object BitBtn1: TBitBtn
    Left = 704
    Top = 526
    Width = 100
    Height = 30
    Caption = '确定返厂'
    TabOrder = 4
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 832
    Top = 526
    Width = 100
    Height = 30
    Caption = '退出'
    TabOrder = 5
    OnClick = BitBtn2Click
  end
end
